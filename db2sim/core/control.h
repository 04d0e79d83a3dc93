/* Control interface of the stand-in client, for tests and demos. Every function is safe to call
 * from any thread. The Java class com.qorvath.db2sim.Db2Sim offers the same through JNI. */
#ifndef DB2SIM_CONTROL_H
#define DB2SIM_CONTROL_H

#include <stddef.h>

#define DB2SIM_API __attribute__((visibility("default")))

#ifdef __cplusplus
extern "C" {
#endif

/* Fault kinds. */
#define DB2SIM_FAULT_MISSING 1 /* the entry point returns -1 and touches nothing */
#define DB2SIM_FAULT_ERROR 2   /* fails with sqlcode (< 0) and tokens before doing anything */
#define DB2SIM_FAULT_WARNING 3 /* does its work, then reports sqlcode (> 0) and tokens */

/* Injects a fault into the entry point of that exported name for its next `times` calls (0: until
 * cleared), replacing any fault it had. Tokens are comma-separated ("MYDB,x"), may be null.
 * Returns 0, or -1 for an unknown entry point, a kind/sqlcode mismatch or times < 0. */
DB2SIM_API int db2sim_inject(const char* entry, int kind, int sqlcode, const char* tokens,
                             int times);
DB2SIM_API void db2sim_clear_faults(void);

/* Copies the journal (one "name(args) -> rc sqlcode=N" line per call, each ending in "\n") into
 * buf, cut to size - 1 bytes and NUL-terminated; returns the full length. buf may be null when
 * size is 0. */
DB2SIM_API size_t db2sim_journal(char* buf, size_t size);
DB2SIM_API void db2sim_clear_journal(void);

/* Live objects: "contexts", "cli_handles", "scans", "memory", "connections" (open CLI
 * connections), "attachments" (instance attachments). -1 for an unknown name. */
DB2SIM_API long db2sim_counter(const char* name);

/* Back to a fresh instance: ends all contexts of all threads, drops attachments and CLI handles,
 * starts the database manager, frees handed-out memory, clears faults and journal, restores the
 * product signature and re-reads the state folder (users, databases). */
DB2SIM_API void db2sim_reset(void);

/* The product signature put into every sqlca's sqlerrp, e.g. "SQL08020" (three letters, five
 * digits). Returns 0, or -1 for a malformed signature. */
DB2SIM_API int db2sim_set_product(const char* signature);
/* Copies the signature like db2sim_journal; returns its length. */
DB2SIM_API size_t db2sim_product(char* buf, size_t size);

/* Adds a user of the instance, or changes its password; saved in the state folder. Names are
 * 1-8 letters, digits or "_$#@" and compare case-insensitively; passwords are not empty and hold
 * no control character. Returns 0, or -1 for a refused name or password. */
DB2SIM_API int db2sim_add_user(const char* user, const char* password);

/* Starts (1) or stops (0) the database manager. Attach and connect to a stopped one fail with
 * SQL1032N; attachments and connections made before stay. A reset starts it again. */
DB2SIM_API void db2sim_set_started(int started);

/* Copies the state folder's path like db2sim_journal; returns its length. */
DB2SIM_API size_t db2sim_home(char* buf, size_t size);

/* Catalogs indirect database directory entries D0000001 .. Dnnnnnnn (n at most 9999999), skipping
 * aliases already there, and saves the directory once. Fast enough for a million entries.
 * Returns 0, or -1 for a refused n. */
DB2SIM_API int db2sim_fill_database_directory(long n);

/* Makes an instance known to the state folder, so catalogued nodes can lead to it (a TCP/IP node
 * on this host whose service name is the instance name, a local or named-pipe node naming it).
 * Names as for users. Returns 0, or -1 for a refused name. */
DB2SIM_API int db2sim_add_instance(const char* name);

/* Tables of the stand-in's databases, named "SCHEMA.NAME" or "NAME" (the instance owner's
 * schema). db2sim_table_rows copies the rows like db2sim_journal, one line each in DEL form
 * (numbers bare, text in double quotes, null empty) and returns the full length, 0 for an unknown
 * table. db2sim_table_state returns the state bits db2LoadQuery reports (0 normal, 0x40 load
 * pending...), -1 for an unknown table. */
DB2SIM_API size_t db2sim_table_rows(const char* database, const char* table, char* buf,
                                    size_t size);
DB2SIM_API long db2sim_table_state(const char* database, const char* table);

#ifdef __cplusplus
}
#endif

#endif /* DB2SIM_CONTROL_H */
