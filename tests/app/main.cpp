#include "app/mainwindowtest.h"
#include "support/testmain.h"

WEFTARA_TEST_MAIN(MainWindowTest)
