#pragma once

// The family of validated entry fields, for windows that use several of them.

#include "widgets/TKxDateEdit.h"
#include "widgets/TKxEdit.h"
#include "widgets/TKxIntegerEdit.h"
#include "widgets/TKxKIndexEdit.h"
#include "widgets/TKxLatEdit.h"
#include "widgets/TKxLonEdit.h"
#include "widgets/TKxNameEdit.h"
#include "widgets/TKxPfxEdit.h"
#include "widgets/TKxRealEdit.h"
#include "widgets/TKxSolarEdit.h"
#include "widgets/TKxTimeEdit.h"
#include "widgets/TKxWordEdit.h"
