// The command-type table: every code of the Java enum EnumDB2CommandType. A code's command class
// is filled in when that command is built; until then the code answers "unknown command type!".
#include "native/commanddispatch.h"

#include "commands/config/db2autoconfigurecmd.h"
#include "commands/config/db2getdbcfgcmdv8.h"
#include "commands/config/db2getdbmcfgcmdv8.h"
#include "commands/config/db2resetdbcfgv7.h"
#include "commands/config/db2resetdbmcfgv7.h"
#include "commands/config/db2updatedbcfgcmdv8.h"
#include "commands/config/db2updatedbmcfgcmdv8.h"
#include "commands/connection/db2attachcmd.h"
#include "commands/connection/db2connectcmd.h"
#include "commands/connection/db2detachcmd.h"
#include "commands/connection/db2disconnectcmd.h"
#include "commands/database/db2activatedbcmd.h"
#include "commands/database/db2adddbpartnumcmd.h"
#include "commands/database/db2changedbcommentcmd.h"
#include "commands/database/db2createdbcmd.h"
#include "commands/database/db2deactivatedbcmd.h"
#include "commands/database/db2dropdbcmd.h"
#include "commands/database/db2dropdbpartnumverifycmd.h"
#include "commands/database/db2migratedatabasecmd.h"
#include "commands/database/db2quiescedbcmd.h"
#include "commands/database/db2quiesceinstancecmd.h"
#include "commands/database/db2redistributedbpartgroupcmd.h"
#include "commands/database/db2restartdatabasecmd.h"
#include "commands/database/db2startdbmcmd.h"
#include "commands/database/db2stopdbmcmd.h"
#include "commands/database/db2unquiescedbcmd.h"
#include "commands/database/db2unquiesceinstancecmd.h"
#include "commands/datamove/db2exportcmd.h"
#include "commands/datamove/db2importcmd.h"
#include "commands/datamove/db2loadcmd.h"
#include "commands/datamove/db2loadquerycmd.h"
#include "commands/directory/db2catalogappcnodecmd.h"
#include "commands/directory/db2catalogappnnodecmd.h"
#include "commands/directory/db2cataloglocalnodecmd.h"
#include "commands/directory/db2catalognamedpipenodecmd.h"
#include "commands/directory/db2catalognetbiosnodecmd.h"
#include "commands/directory/db2catalognodecmd.h"
#include "commands/directory/db2listnodedirectorycmd.h"
#include "commands/directory/db2uncatalognodecmd.h"
#include "commands/directory/db2catalogdbcmd.h"
#include "commands/directory/db2catalogdcsdbcmd.h"
#include "commands/directory/db2listdbdirectorycmd.h"
#include "commands/directory/db2listdcsdirectorycmd.h"
#include "commands/directory/db2uncatalogdbcmd.h"
#include "commands/directory/db2uncatalogdcsdbcmd.h"
#include "commands/monitor/db2forceapplicationcmd.h"
#include "commands/monitor/db2listdrdaindoubttranscmd.h"
#include "commands/monitor/db2listindoubttranscmd.h"
#include "commands/monitor/db2listtablespacecontainercmd.h"
#include "commands/monitor/db2listtablespacescmd.h"
#include "commands/monitor/db2resetmonitorcmd.h"
#include "commands/monitor/db2updatemonitorswitchescmd.h"
#include "commands/recovery/db2archivelogcmd.h"
#include "commands/recovery/db2backupdbcmd.h"
#include "commands/recovery/db2listhistorycmd.h"
#include "commands/recovery/db2prunecmd.h"
#include "commands/recovery/db2quiescetablespacescmd.h"
#include "commands/recovery/db2reconcilecmd.h"
#include "commands/recovery/db2restoredbcmd.h"
#include "commands/recovery/db2rollforwardcmd.h"
#include "commands/recovery/db2settablespacecontainerscmd.h"
#include "commands/recovery/db2updatehistoryfilecmd.h"
#include "commands/maintenance/db2bindcmd.h"
#include "commands/maintenance/db2inspectcmd.h"
#include "commands/maintenance/db2precompilecmd.h"
#include "commands/maintenance/db2rebindcmd.h"
#include "commands/maintenance/db2reorgcmd.h"
#include "commands/maintenance/db2runstatscmd.h"
#include "commands/maintenance/db2setutilimpactprioritycmd.h"

#include <iterator>

namespace tarvinex {
namespace {

constexpr int ATTACH_VALUE = 1;
constexpr int DETACH_VALUE = 2;
constexpr int GET_DBM_CFG_VALUE = 3;
constexpr int GET_DB_CFG_VALUE = 4;
constexpr int UPDATE_DBM_CFG_VALUE = 5;
constexpr int UPDATE_DB_CFG_VALUE = 6;
constexpr int CONNECT_VALUE = 7;
constexpr int DISCONNECT_VALUE = 8;
constexpr int BIND_VALUE = 9;
constexpr int LIST_TABLESPACES_VALUE = 10;
constexpr int LIST_TABLESPACE_CONTAINER_VALUE = 11;
constexpr int AUTO_CONFIGURE_VALUE = 12;
constexpr int LIST_DB_DIRECTORY_VALUE = 13;
constexpr int RESET_DBM_CFG_VALUE = 14;
constexpr int RESET_DB_CFG_VALUE = 15;
constexpr int RESTART_DATABASE_VALUE = 16;
constexpr int CREATE_DATABASE_VALUE = 17;
constexpr int DROP_DATABASE_VALUE = 18;
constexpr int CATALOG_DATABASE_VALUE = 19;
constexpr int UNCATALOG_DATABASE_VALUE = 20;
constexpr int LIST_NODE_DIRECTORY_VALUE = 21;
constexpr int CATALOG_NODE_VALUE = 22;
constexpr int UNCATALOG_NODE_VALUE = 23;
constexpr int ACTIVATE_DATABASE_VALUE = 24;
constexpr int DEACTIVATE_DATABASE_VALUE = 25;
constexpr int QUIESCE_DATABASE_VALUE = 26;
constexpr int UNQUIESCE_DATABASE_VALUE = 27;
constexpr int QUIESCE_INSTANCE_VALUE = 28;
constexpr int UNQUIESCE_INSTANCE_VALUE = 29;
constexpr int START_DBM_VALUE = 30;
constexpr int CHANGE_DATABASE_COMMENT_VALUE = 31;
constexpr int STOP_DBM_VALUE = 32;
constexpr int CATALOG_LOCAL_NODE_VALUE = 33;
constexpr int CATALOG_NETBIOS_NODE_VALUE = 34;
constexpr int CATALOG_NAMEDPIPE_NODE_VALUE = 35;
constexpr int CATALOG_APPC_NODE_VALUE = 36;
constexpr int CATALOG_APPN_NODE_VALUE = 37;
constexpr int LIST_DCS_DIRECTORY_VALUE = 38;
constexpr int CATALOG_DCS_DB_VALUE = 39;
constexpr int UNCATALOG_DCS_DB_VALUE = 40;
constexpr int MIGRATE_DATABASE_VALUE = 41;
constexpr int LIST_INDOUBT_TRANSACTIONS_VALUE = 42;
constexpr int LIST_DRDA_INDOUBT_TRANSACTIONS_VALUE = 43;
constexpr int IMPORT_VALUE = 47;
constexpr int FORCE_APPLICATION_VALUE = 48;
constexpr int RESET_MONITOR_VALUE = 49;
constexpr int UPDATE_MONITOR_SWITCHES_VALUE = 50;
constexpr int ARCHIVE_LOG_VALUE = 54;
constexpr int INSPECT_VALUE = 58;
constexpr int QUIESCE_TABLESPACES_VALUE = 59;
constexpr int EXPORT_VALUE = 60;
constexpr int SET_TABLESPACE_CONTAINERS_VALUE = 61;
constexpr int LOAD_VALUE = 62;
constexpr int BACKUPDB_VALUE = 63;
constexpr int RUNSTATS_VALUE = 64;
constexpr int REORG_VALUE = 65;
constexpr int RECONCILE_VALUE = 66;
constexpr int RESTOREDB_VALUE = 67;
constexpr int LISTHISTORY_VALUE = 68;
constexpr int ROLLFORWARD_VALUE = 69;
constexpr int PRUNE_VALUE = 70;
constexpr int UPDATEHISTORYFILE_VALUE = 71;
constexpr int LOADQUERY_VALUE = 72;
constexpr int ADD_DB_PART_NUM_VALUE = 73;
constexpr int DROP_DB_PART_NUM_VERIFY_VALUE = 74;
constexpr int REDISTRIBUTE_DB_PART_GROUP_VALUE = 77;
constexpr int PRECOMPILE_VALUE = 78;
constexpr int REBIND_VALUE = 80;
constexpr int SET_UTIL_IMPACT_PRIORITY_VALUE = 82;

// clang-format off
const CommandType kCommandTypes[] = {
    {ATTACH_VALUE, "ATTACH", false, makeCommand<CDB2AttachCmd>},
    {DETACH_VALUE, "DETACH", false, makeCommand<CDB2DetachCmd>},
    {GET_DBM_CFG_VALUE, "GET_DBM_CFG", true, makeCommand<CDB2GetDbmCfgCmdV8>},
    {GET_DB_CFG_VALUE, "GET_DB_CFG", true, makeCommand<CDB2GetDbCfgCmdV8>},
    {UPDATE_DBM_CFG_VALUE, "UPDATE_DBM_CFG", true, makeCommand<CDB2UpdateDBMCfgCmdV8>},
    {UPDATE_DB_CFG_VALUE, "UPDATE_DB_CFG", true, makeCommand<CDB2UpdateDBCfgCmdV8>},
    {CONNECT_VALUE, "CONNECT", false, makeCommand<CDB2ConnectCmd>},
    {DISCONNECT_VALUE, "DISCONNECT", false, makeCommand<CDB2DisconnectCmd>},
    {BIND_VALUE, "BIND", false, makeCommand<CDB2BindCmd>},
    {LIST_TABLESPACES_VALUE, "LIST_TABLESPACES", false, makeCommand<CDB2ListTablespacesCmd>},
    {LIST_TABLESPACE_CONTAINER_VALUE, "LIST_TABLESPACE_CONTAINER", false, makeCommand<CDB2ListTablespaceContainerCmd>},
    {AUTO_CONFIGURE_VALUE, "AUTO_CONFIGURE", true, makeCommand<CDB2AutoConfigureCmd>},
    {LIST_DB_DIRECTORY_VALUE, "LIST_DB_DIRECTORY", false, makeCommand<CDB2ListDBDirectoryCmd>},
    {RESET_DBM_CFG_VALUE, "RESET_DBM_CFG", false, makeCommand<CDB2ResetDBMCfgV7>},
    {RESET_DB_CFG_VALUE, "RESET_DB_CFG", false, makeCommand<CDB2ResetDBCfgV7>},
    {RESTART_DATABASE_VALUE, "RESTART_DATABASE", false, makeCommand<CDB2RestartDatabaseCmd>},
    {CREATE_DATABASE_VALUE, "CREATE_DATABASE", false, makeCommand<CDB2CreateDBCmd>},
    {DROP_DATABASE_VALUE, "DROP_DATABASE", false, makeCommand<CDB2DropDBCmd>},
    {CATALOG_DATABASE_VALUE, "CATALOG_DATABASE", false, makeCommand<CDB2CatalogDBCmd>},
    {UNCATALOG_DATABASE_VALUE, "UNCATALOG_DATABASE", false, makeCommand<CDB2UnCatalogDBCmd>},
    {LIST_NODE_DIRECTORY_VALUE, "LIST_NODE_DIRECTORY", false, makeCommand<CDB2ListNodeDirectoryCmd>},
    {CATALOG_NODE_VALUE, "CATALOG_NODE", false, makeCommand<CDB2CatalogNodeCmd>},
    {UNCATALOG_NODE_VALUE, "UNCATALOG_NODE", false, makeCommand<CDB2UnCatalogNodeCmd>},
    {ACTIVATE_DATABASE_VALUE, "ACTIVATE_DATABASE", false, makeCommand<CDB2ActivateDBCmd>},
    {DEACTIVATE_DATABASE_VALUE, "DEACTIVATE_DATABASE", false, makeCommand<CDB2DeActivateDBCmd>},
    {QUIESCE_DATABASE_VALUE, "QUIESCE_DATABASE", true, makeCommand<CDB2QuiesceDBCmd>},
    {UNQUIESCE_DATABASE_VALUE, "UNQUIESCE_DATABASE", true, makeCommand<CDB2UnQuiesceDBCmd>},
    {QUIESCE_INSTANCE_VALUE, "QUIESCE_INSTANCE", true, makeCommand<CDB2QuiesceInstanceCmd>},
    {UNQUIESCE_INSTANCE_VALUE, "UNQUIESCE_INSTANCE", true, makeCommand<CDB2UnQuiesceInstanceCmd>},
    {START_DBM_VALUE, "START_DBM", false, makeCommand<CDB2StartDBMCmd>},
    {CHANGE_DATABASE_COMMENT_VALUE, "CHANGE_DATABASE_COMMENT", false, makeCommand<CDB2ChangeDBCommentCmd>},
    {STOP_DBM_VALUE, "STOP_DBM", false, makeCommand<CDB2StopDBMCmd>},
    {CATALOG_LOCAL_NODE_VALUE, "CATALOG_LOCAL_NODE", false, makeCommand<CDB2CatalogLocalNodeCmd>},
    {CATALOG_NETBIOS_NODE_VALUE, "CATALOG_NETBIOS_NODE", false, makeCommand<CDB2CatalogNetBiosNodeCmd>},
    {CATALOG_NAMEDPIPE_NODE_VALUE, "CATALOG_NAMEDPIPE_NODE", false, makeCommand<CDB2CatalogNamedPipeNodeCmd>},
    {CATALOG_APPC_NODE_VALUE, "CATALOG_APPC_NODE", false, makeCommand<CDB2CatalogAPPCNodeCmd>},
    {CATALOG_APPN_NODE_VALUE, "CATALOG_APPN_NODE", false, makeCommand<CDB2CatalogAPPNNodeCmd>},
    {LIST_DCS_DIRECTORY_VALUE, "LIST_DCS_DIRECTORY", false, makeCommand<CDB2ListDCSDirectoryCmd>},
    {CATALOG_DCS_DB_VALUE, "CATALOG_DCS_DB", false, makeCommand<CDB2CatalogDCSDBCmd>},
    {UNCATALOG_DCS_DB_VALUE, "UNCATALOG_DCS_DB", false, makeCommand<CDB2UnCatalogDCSDBCmd>},
    {MIGRATE_DATABASE_VALUE, "MIGRATE_DATABASE", false, makeCommand<CDB2MigrateDatabaseCmd>},
    {LIST_INDOUBT_TRANSACTIONS_VALUE, "LIST_INDOUBT_TRANSACTIONS", false, makeCommand<CDB2ListIndoubtTransCmd>},
    {LIST_DRDA_INDOUBT_TRANSACTIONS_VALUE, "LIST_DRDA_INDOUBT_TRANSACTIONS", false, makeCommand<CDB2ListDRDAIndoubtTransCmd>},
    {IMPORT_VALUE, "IMPORT", false, makeCommand<CDB2ImportCmd>},
    {FORCE_APPLICATION_VALUE, "FORCE_APPLICATION", false, makeCommand<CDB2ForceApplicationCmd>},
    {RESET_MONITOR_VALUE, "RESET_MONITOR", false, makeCommand<CDB2ResetMonitorCmd>},
    {UPDATE_MONITOR_SWITCHES_VALUE, "UPDATE_MONITOR_SWITCHES", false, makeCommand<CDB2UpdateMonitorSwitchesCmd>},
    {ARCHIVE_LOG_VALUE, "ARCHIVE_LOG", false, makeCommand<CDB2ArchiveLogCmd>},
    {INSPECT_VALUE, "INSPECT", false, makeCommand<CDB2InspectCmd>},
    {QUIESCE_TABLESPACES_VALUE, "QUIESCE_TABLESPACES", false, makeCommand<CDB2QuiesceTablespacesCmd>},
    {EXPORT_VALUE, "EXPORT", false, makeCommand<CDB2ExportCmd>},
    {SET_TABLESPACE_CONTAINERS_VALUE, "SET_TABLESPACE_CONTAINERS", false, makeCommand<CDB2SetTablespaceContainersCmd>},
    {LOAD_VALUE, "LOAD", false, makeCommand<CDB2LoadCmd>},
    {BACKUPDB_VALUE, "BACKUPDB", false, makeCommand<CDB2BackupDBCmd>},
    {RUNSTATS_VALUE, "RUNSTATS", false, makeCommand<CDB2RunStatsCmd>},
    {REORG_VALUE, "REORG", false, makeCommand<CDB2ReorgCmd>},
    {RECONCILE_VALUE, "RECONCILE", false, makeCommand<CDB2ReconcileCmd>},
    {RESTOREDB_VALUE, "RESTOREDB", false, makeCommand<CDB2RestoreDBCmd>},
    {LISTHISTORY_VALUE, "LISTHISTORY", false, makeCommand<CDB2ListHistoryCmd>},
    {ROLLFORWARD_VALUE, "ROLLFORWARD", false, makeCommand<CDB2RollforwardCmd>},
    {PRUNE_VALUE, "PRUNE", false, makeCommand<CDB2PruneCmd>},
    {UPDATEHISTORYFILE_VALUE, "UPDATEHISTORYFILE", false, makeCommand<CDB2UpdateHistoryFileCmd>},
    {LOADQUERY_VALUE, "LOADQUERY", false, makeCommand<CDB2LoadQueryCmd>},
    {ADD_DB_PART_NUM_VALUE, "ADD_DB_PART_NUM", false, makeCommand<CDB2AddDBPartNumCmd>},
    {DROP_DB_PART_NUM_VERIFY_VALUE, "DROP_DB_PART_NUM_VERIFY", false, makeCommand<CDB2DropDBPartNumVerifyCmd>},
    {REDISTRIBUTE_DB_PART_GROUP_VALUE, "REDISTRIBUTE_DB_PART_GROUP", false, makeCommand<CDB2RedistributeDBPartGroupCmd>},
    {PRECOMPILE_VALUE, "PRECOMPILE", false, makeCommand<CDB2PrecompileCmd>},
    {REBIND_VALUE, "REBIND", false, makeCommand<CDB2RebindCmd>},
    {SET_UTIL_IMPACT_PRIORITY_VALUE, "SET_UTIL_IMPACT_PRIORITY", false, makeCommand<CDB2SetUtilImpactPriorityCmd>},
};
// clang-format on

}  // namespace

CommandTable LibraryCommandTable() {
    return {kCommandTypes, std::size(kCommandTypes)};
}

}  // namespace tarvinex
