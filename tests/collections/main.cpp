#include "collections/layouttest.h"
#include "collections/picturetest.h"
#include "collections/settingstest.h"
#include "collections/sheettest.h"
#include "support/testmain.h"

WEFTARA_TEST_MAIN(SettingsTest, PictureTest, SheetTest, LayoutTest)
