#include "runtime.h"

pascalrt_file _p_Output = {1};
