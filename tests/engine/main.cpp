#include "engine/blendtest.h"
#include "engine/buffertest.h"
#include "engine/fadetest.h"
#include "engine/kerneltest.h"
#include "engine/filtertest.h"
#include "engine/fliptest.h"
#include "support/testmain.h"

WEFTARA_TEST_MAIN(EngineBufferTest, EngineBlendTest, EngineFilterTest, EngineFadeTest, EngineFlipTest, EngineKernelTest)
