#include "help/aboutandhelptest.h"
#include "help/paneldraggertest.h"
#include "help/tutorialtest.h"
#include "support/testmain.h"

WEFTARA_TEST_MAIN(TutorialTest, PanelDraggerTest, AboutAndHelpTest)
