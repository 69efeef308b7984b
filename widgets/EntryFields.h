#pragma once

// The family of validated entry fields, for windows that use several of them.

#include "widgets/DateEdit.h"
#include "widgets/IntegerEdit.h"
#include "widgets/KIndexEdit.h"
#include "widgets/LatitudeEdit.h"
#include "widgets/LongitudeEdit.h"
#include "widgets/NameEdit.h"
#include "widgets/PrefixEdit.h"
#include "widgets/RealEdit.h"
#include "widgets/SolarIndexEdit.h"
#include "widgets/TimeEdit.h"
#include "widgets/ValidatedEdit.h"
#include "widgets/WordEdit.h"
