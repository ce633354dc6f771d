#include "outputtests.h"
#include "support/testmain.h"

WEFTARA_TEST_MAIN(SaveTest, PrintTest, SnapshotTest, PaintExchangeTest)
