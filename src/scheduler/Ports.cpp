#include "scheduler/Shell.h"
#include "scheduler/SoundPlayer.h"
