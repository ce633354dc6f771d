#include "recipes/fuzztest.h"
#include "recipes/recipebooktest.h"
#include "recipes/recipefiletest.h"
#include "recipes/replaytest.h"
#include "support/testmain.h"

WEFTARA_TEST_MAIN(RecipeFileTest, RecipeReplayTest, RecipeFuzzTest, RecipeBookTest)
