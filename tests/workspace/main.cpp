#include "controlstest.h"
#include "picturestest.h"
#include "support/testmain.h"

WEFTARA_TEST_MAIN(PicturesTest, ControlsTest)
