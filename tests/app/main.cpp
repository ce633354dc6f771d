#include "app/desktoptest.h"
#include "app/mainwindowtest.h"
#include "app/recipetriptest.h"
#include "app/storedfilestest.h"
#include "support/testmain.h"

WEFTARA_TEST_MAIN(MainWindowTest, RecipeTripTest, StoredFilesTest, DesktopTest)
