#include "collections/collectionstest.h"
#include "collections/folderpaneltest.h"
#include "collections/loadingtest.h"
#include "collections/picturetest.h"
#include "collections/sheettest.h"
#include "support/testmain.h"

WEFTARA_TEST_MAIN(PictureTest, SheetTest, LoadingTest, CollectionsTest, FolderPanelTest)
