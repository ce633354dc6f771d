#include "controlstest.h"
#include "operationlogtest.h"
#include "picturestest.h"
#include "support/testmain.h"

WEFTARA_TEST_MAIN(OperationLogTest, PicturesTest, ControlsTest)
