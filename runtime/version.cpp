#include "runtime.h"

// Its own object, so that a static link pulls it in only for a program that refers to it.
int32_t __GPC_RTS_VERSION_20030830__ = 20030830;
