/* Control of the stand-in's running utilities, for tests and demos (C and, through
 * com.qorvath.db2sim.Db2Sim, Java). db2UtilityControl changes what these start. */
#ifndef DB2SIM_UTILITYCONTROL_H
#define DB2SIM_UTILITYCONTROL_H

#include "db2sim/core/control.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Starts a utility on a database (name, any case) with a description ("BACKUP DATABASE SAMPLE")
 * and an impact priority 0-100; returns its id (1 and up), or -1 for a null argument or a
 * priority above 100. The utility runs until db2sim_stop_utility or a reset. */
DB2SIM_API long db2sim_start_utility(const char* database, const char* description, int priority);
/* Stops a running utility; 0, or -1 when none has that id. */
DB2SIM_API int db2sim_stop_utility(long id);
/* The impact priority of a running utility, or -1 when none has that id. */
DB2SIM_API int db2sim_utility_priority(long id);

#ifdef __cplusplus
}
#endif

#endif
