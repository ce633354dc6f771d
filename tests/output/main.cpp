#include "paintexchangetest.h"
#include "printtest.h"
#include "savetest.h"
#include "snapshottest.h"
#include "support/testmain.h"

WEFTARA_TEST_MAIN(SaveTest, PrintTest, SnapshotTest, PaintExchangeTest)
