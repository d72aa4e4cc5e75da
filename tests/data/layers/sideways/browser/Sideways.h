#pragma once

#include "formation/FormationText.h"
#include "catalogue/Status.h"
