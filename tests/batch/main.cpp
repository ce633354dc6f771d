#include "batch/batchtest.h"
#include "batch/picturerecipetest.h"
#include "support/testmain.h"

WEFTARA_TEST_MAIN(BatchTest, PictureRecipeTest)
