#include "qvsnmpconvert.h"

#include "qvdatetime.h"
#include "qvoptionlist.h"
#include "qvsnmperrors.h"
#include "qvsnmpvarlist.h"
