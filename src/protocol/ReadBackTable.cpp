#include "protocol/ReadBackTable.h"
