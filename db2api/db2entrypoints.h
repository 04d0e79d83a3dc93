// The function type of every DB2 client entry point the library looks up, with DB2's argument
// lists. The loader casts dlsym results to these types and the stand-in client checks its own
// exports against them, so the two can never drift apart.
//
// Results are DB2's own: `int` for the administrative API (SQL_API_RC), SQLRETURN for CLI. Where
// the library reads a result as 16 bits, the wrapper narrows it; the type here stays DB2's.
#pragma once

#include "db2types.h"

struct sqledinfo;
struct sqleninfo;
struct sql_dir_entry;
struct sqle_node_struct;

namespace db2 {
namespace fn {

// Versioned entry points: (version number, parameter structure, sqlca).
using Versioned = int(db2Uint32 versionNumber, void* pParmStruct, sqlca* pSqlca);

// Contexts, memory and messages.
using sqleSetTypeCtx = int(sqlint32 lOptions);
using sqleBeginCtx = int(void** ppCtx, sqlint32 lOptions, void* reserved, sqlca* pSqlca);
using sqleAttachToCtx = int(void* pCtx, void* reserved, sqlca* pSqlca);
using sqleDetachFromCtx = int(void* pCtx, void* reserved, sqlca* pSqlca);
using sqleGetCurrentCtx = int(void** ppCtx, void* reserved, sqlca* pSqlca);
using sqleEndCtx = int(void** ppCtx, sqlint32 lOptions, void* reserved, sqlca* pSqlca);
using sqlefmem_api = int(sqlca* pSqlca, void* pBuffer);
using sqlaintp_api = int(char* pBuffer, short BufferSize, short LineWidth, const char* pMsgFileName,
                         sqlca* pSqlca);

// Instance attachment.
using sqleatin_api = int(char* pNodeName, char* pUserName, char* pPassword, sqlca* pSqlca);
using sqledtin_api = int(sqlca* pSqlca);
using sqlesetc_api = int(void* pConnectionSettings, unsigned short NumSettings, sqlca* pSqlca);

// DB2 CLI.
using SQLAllocHandle = SQLRETURN(SQLSMALLINT fHandleType, SQLHANDLE hInput, SQLHANDLE* phOutput);
using SQLSetEnvAttr = SQLRETURN(SQLHENV EnvironmentHandle, SQLINTEGER Attribute, SQLPOINTER Value,
                                SQLINTEGER StringLength);
using SQLSetConnectAttr = SQLRETURN(SQLHDBC ConnectionHandle, SQLINTEGER Attribute,
                                    SQLPOINTER Value, SQLINTEGER StringLength);
using SQLConnect = SQLRETURN(SQLHDBC ConnectionHandle, SQLCHAR* ServerName, SQLSMALLINT NameLength1,
                             SQLCHAR* UserName, SQLSMALLINT NameLength2, SQLCHAR* Authentication,
                             SQLSMALLINT NameLength3);
using SQLGetInfo = SQLRETURN(SQLHDBC hdbc, SQLUSMALLINT fInfoType, SQLPOINTER rgbInfoValue,
                             SQLSMALLINT cbInfoValueMax, SQLSMALLINT* pcbInfoValue);
using SQLDisconnect = SQLRETURN(SQLHDBC ConnectionHandle);
using SQLFreeHandle = SQLRETURN(SQLSMALLINT HandleType, SQLHANDLE Handle);
using SQLEndTran = SQLRETURN(SQLSMALLINT HandleType, SQLHANDLE Handle, SQLSMALLINT CompletionType);

// Configuration (db2CfgGet, db2CfgSet, db2AutoConfig, db2AutoConfigFreeMemory are Versioned).
using sqlfrsys = int(sqlca* pSqlca);
using sqlfrdb = int(char* pDbAlias, sqlca* pSqlca);

// Directories.
using sqlecadb_api = int(char* pDbName, char* pDbAlias, unsigned char Type, char* pNodeName,
                         char* pPath, char* pComment, unsigned short Authentication,
                         char* pPrincipal, sqlca* pSqlca);
using sqleuncd_api = int(char* pDbAlias, sqlca* pSqlca);
using sqledosd_api = int(char* pPath, unsigned short* pHandle, unsigned short* pNumEntries,
                         sqlca* pSqlca);
using sqledgne_api = int(unsigned short Handle, sqledinfo** ppDbDirEntry, sqlca* pSqlca);
using sqledcls_api = int(unsigned short Handle, sqlca* pSqlca);
using sqlegins_api = int(char* pInstance, sqlca* pSqlca);
using sqlectnd_api = int(sqle_node_struct* pNodeInfo, void* pProtocolInfo, sqlca* pSqlca);
using sqleuncn_api = int(char* pNodeName, sqlca* pSqlca);
using sqlenops_api = int(unsigned short* pHandle, unsigned short* pNumEntries, sqlca* pSqlca);
using sqlengne_api = int(unsigned short Handle, sqleninfo** ppNodeDirEntry, sqlca* pSqlca);
using sqlencls_api = int(unsigned short Handle, sqlca* pSqlca);
using sqlegdad_api = int(sql_dir_entry* pDCSDirEntry, sqlca* pSqlca);
using sqlegdel_api = int(sql_dir_entry* pDCSDirEntry, sqlca* pSqlca);
using sqlegdsc_api = int(short* pNumEntries, sqlca* pSqlca);
using sqlegdgt_api = int(short* pNumEntries, sql_dir_entry* pDCSDirEntries, sqlca* pSqlca);
using sqlegdcl_api = int(sqlca* pSqlca);

// Databases and the instance (db2InstanceStart/Stop, db2DatabaseQuiesce/Unquiesce,
// db2InstanceQuiesce/Unquiesce and db2DatabaseRestart are Versioned).
using sqlecrea_api = int(char* pDbName, char* pLocalDbAlias, char* pPath, void* pDbDescriptor,
                         void* pTerritoryInfo, char Reserved2, void* pReserved1, sqlca* pSqlca);
using sqledrpd_api = int(char* pDbAlias, char* pReserved2, sqlca* pSqlca);
using sqlepstart_api = int(void* pStartOptions, sqlca* pSqlca);
using sqlepstp = int(void* pStopOptions, sqlca* pSqlca);
using sqle_activate_db_api = int(char* pDbAlias, char* pUserName, char* pPassword, void* pReserved,
                                 sqlca* pSqlca);
using sqle_deactivate_db_api = int(char* pDbAlias, char* pUserName, char* pPassword,
                                   void* pReserved, sqlca* pSqlca);
using sqlemgdb_api = int(char* pDbAlias, char* pUserName, char* pPassword, sqlca* pSqlca);
using sqledcgd_api = int(char* pDbAlias, char* pPath, char* pComment, sqlca* pSqlca);
using sqleaddn_api = int(void* pAddNodeOptions, sqlca* pSqlca);
using sqledrpn_api = int(unsigned short Action, void* pReserved, sqlca* pSqlca);
using sqludrdt_api = int(char* pNodeGroupName, char* pTargetPMapFileName, char* pDataDistFileName,
                         SQL_PDB_NODE_TYPE* pAddList, unsigned short AddCount,
                         SQL_PDB_NODE_TYPE* pDropList, unsigned short DropCount,
                         unsigned char DataRedistOption, sqlca* pSqlca);

// Data movement (db2Import, db2Export, db2Load, db2LoadQuery are Versioned).
using sqluimpr_api = int(char* pDataFileName, void* pLobPathList, void* pDataDescriptor,
                         void* pActionString, char* pFileType, void* pFileTypeMod,
                         char* pMsgFileName, short CallerAction, void* pImportInfoIn,
                         void* pImportInfoOut, sqlint32* pNullIndicators, void* pReserved,
                         sqlca* pSqlca);

// Backup and recovery (db2Backup, db2Restore, db2Rollforward, db2History*, db2Prune and
// db2ArchiveLog are Versioned).
using sqluvqdp = int(char* pTableName, sqlint32 QuiesceMode, void* pReserved, sqlca* pSqlca);
using sqlbstsc = int(sqlca* pSqlca, sqluint32 SetContainerOptions, sqluint32 TablespaceId,
                     sqluint32 NumContainers, void* pContainerData);
using sqlurcon = int(char* pTableName, char* pExTableName, char* pReportFileName, void* pReserved,
                     sqlca* pSqlca);

// Maintenance (db2Runstats, db2Reorg, db2Inspect, db2UtilityControl are Versioned).
using sqlabndx = int(char* pBindFileName, char* pMsgFileName, void* pBindOptions, sqlca* pSqlca);
using sqlarbnd = int(char* pPackageName, sqlca* pSqlca, void* pRebindOptions);
using sqlaprep = int(char* pProgramName, char* pMsgFileName, void* pPrepOptions, sqlca* pSqlca);

// Monitoring (db2GetSnapshotSize, db2GetSnapshot, db2MonitorSwitches, db2ResetMonitor and
// db2SpmListIndTrans are Versioned).
using sqlefrce_api = int(sqlint32 NumAgentIds, sqluint32* pAgentIds, unsigned short ForceMode,
                         sqlca* pSqlca);
using sqlbmtsq = int(sqlca* pSqlca, sqluint32* pNumTablespaces, void*** pppTablespaceData,
                     sqluint32 reserved1, sqluint32 reserved2);
using sqlbgtss = int(sqlca* pSqlca, sqluint32 TablespaceId, void* pTablespaceStats);
using sqlbtcq = int(sqlca* pSqlca, sqluint32 TablespaceId, sqluint32* pNumContainers,
                    void** ppContainerData);
using sqlxphqr = int(int exe_type, void** ppIndoubtData, sqlint32* pNumIndoubts, sqlca* pSqlca);
using sqlcspqy = int(void** ppIndoubtData, sqlint32* pNumIndoubts, sqlca* pSqlca);

}  // namespace fn

// Every versioned entry point, by exported name. The stand-in exports each one; the loader looks
// the first five up under their decorated name first, then under the plain one.
// clang-format off
#define DB2_VERSIONED_ENTRY_POINTS(X)                                                          \
    X(db2CfgGet) X(db2CfgSet) X(db2AutoConfig) X(db2AutoConfigFreeMemory)                      \
    X(db2InstanceStart) X(db2InstanceStop) X(db2DatabaseQuiesce) X(db2DatabaseUnquiesce)       \
    X(db2InstanceQuiesce) X(db2InstanceUnquiesce) X(db2DatabaseRestart) X(db2Import)           \
    X(db2Export) X(db2Load) X(db2LoadQuery) X(db2Backup) X(db2Restore) X(db2Rollforward)       \
    X(db2HistoryOpenScan) X(db2HistoryGetEntry) X(db2HistoryCloseScan) X(db2HistoryUpdate)     \
    X(db2Prune) X(db2ArchiveLog) X(db2Runstats) X(db2Reorg) X(db2Inspect)                      \
    X(db2UtilityControl) X(db2GetSnapshotSize) X(db2GetSnapshot) X(db2MonitorSwitches)         \
    X(db2ResetMonitor) X(db2SpmListIndTrans)
// clang-format on

}  // namespace db2
