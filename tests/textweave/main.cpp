#include "support/testmain.h"
#include "textdrawingtest.h"
#include "textlinestest.h"
#include "textmodetest.h"
#include "textpaneltest.h"

WEFTARA_TEST_MAIN(TextLinesTest, TextDrawingTest, TextModeTest, TextPanelTest)
