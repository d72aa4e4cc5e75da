#pragma once

#include "detail/MsInfoPanel.h"
#include "catalogue/Status.h"
