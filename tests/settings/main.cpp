#include "settings/settingstest.h"
#include "support/testmain.h"

WEFTARA_TEST_MAIN(SettingsTest)
