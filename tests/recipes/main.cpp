#include "recipes/loggroupstest.h"
#include "recipes/recipebooktest.h"
#include "recipes/recipefiletest.h"
#include "recipes/replaytest.h"
#include "support/testmain.h"

WEFTARA_TEST_MAIN(LogGroupsTest, RecipeFileTest, RecipeReplayTest, RecipeBookTest)
