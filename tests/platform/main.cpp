#include "platform/interactiontest.h"
#include "platform/numbertexttest.h"
#include "platform/picturememorytest.h"
#include "platform/programfoldertest.h"
#include "platform/surfacetest.h"
#include "platform/textfiletest.h"
#include "support/testmain.h"

WEFTARA_TEST_MAIN(NumberTextTest, PictureMemoryTest, TextFileTest, ProgramFolderTest, SurfaceTest, InteractionTest)
