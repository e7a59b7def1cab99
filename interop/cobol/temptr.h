/* Put before the C that cobc 3.1.2 generates for caller.cbl. On processors other than x86
   and POWER, cobc stores the pointer that a CALL ... RETURNING gets through a variable
   temptr that it never declares, and its C does not compile; elsewhere temptr goes unused. */
static void *temptr __attribute__((unused));
