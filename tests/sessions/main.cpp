#include "sessions/sessionpropertytest.h"
#include "support/testmain.h"

WEFTARA_TEST_MAIN(SessionPropertyTest)
