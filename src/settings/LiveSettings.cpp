#include "settings/LiveSettings.h"
