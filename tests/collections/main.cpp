#include "collections/collectionstest.h"
#include "collections/folderpaneltest.h"
#include "collections/layouttest.h"
#include "collections/loadingtest.h"
#include "collections/picturetest.h"
#include "collections/settingstest.h"
#include "collections/sheettest.h"
#include "support/testmain.h"

WEFTARA_TEST_MAIN(SettingsTest, PictureTest, SheetTest, LayoutTest, LoadingTest, CollectionsTest,
                  FolderPanelTest)
