#include "app/layouttest.h"
#include "app/mainwindowtest.h"
#include "app/recipetriptest.h"
#include "app/storedfilestest.h"
#include "support/testmain.h"

WEFTARA_TEST_MAIN(LayoutTest, MainWindowTest, RecipeTripTest, StoredFilesTest)
