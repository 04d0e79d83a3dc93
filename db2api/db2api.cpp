#include "db2api/db2api.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "db2api/entrypointcache.h"

namespace db2 {

namespace {

constexpr const char* kClientLibrary = "libdb2.so";
constexpr sqlint32 kContextPerThread = SQL_CTX_MULTI_MANUAL;

EntryPointCache& Cache() {
    static EntryPointCache cache;
    return cache;
}

// A decorated name ("db2ArchiveLog@12") falls back to its plain form when the client does not
// export the decorated one.
void* Resolve(HMODULE module, const char* name) {
    if (void* kept = Cache().find(module, name)) {
        return kept;
    }
    void* entry = DB2API::GetProcAddress(module, name);
    const char* at = std::strchr(name, '@');
    if (entry == nullptr && at != nullptr) {
        const std::string plain(name, at);
        entry = DB2API::GetProcAddress(module, plain.c_str());
    }
    Cache().keep(module, name, entry);
    return entry;
}

// Resolve, cast to DB2's function type, call.
template <typename Fn, typename... Args>
int Call(HMODULE module, const char* name, Args... args) {
    void* entry = Resolve(module, name);
    if (entry == nullptr) {
        return kEntryPointMissing;
    }
    return static_cast<int>(reinterpret_cast<Fn*>(entry)(args...));
}

// The same for entry points whose result we read as 16 bits.
template <typename Fn, typename... Args>
int Call16(HMODULE module, const char* name, Args... args) {
    return NarrowResult16(Call<Fn>(module, name, args...));
}

int CallV(HMODULE module, const char* name, db2Uint32 version, void* parms, sqlca* pSqlca) {
    return Call<fn::Versioned>(module, name, version, parms, pSqlca);
}

}  // namespace

HMODULE DB2API::m_hAppInstanceDLL = nullptr;
HMODULE DB2API::m_hUtilDLL = nullptr;
HMODULE DB2API::m_hBindDLL = nullptr;
HMODULE DB2API::m_hCliDLL = nullptr;
HMODULE DB2API::m_hPrepDLL = nullptr;

DB2API& DB2API::Instance() {
    static DB2API instance;
    return instance;
}

DB2API::DB2API() {
    HMODULE module = LoadLibrary(kClientLibrary);
    m_hAppInstanceDLL = m_hUtilDLL = m_hBindDLL = m_hCliDLL = m_hPrepDLL = module;
    if (module == nullptr) {
        const char* reason = dlerror();
        std::fputs(reason != nullptr ? reason : "", stderr);
        return;
    }
    SetTypcCtx(kContextPerThread);
}

// The client library stays loaded until the process ends: JVM threads may still be inside it
// (or hold contexts it owns) while exit-time destructors run, and unmapping it under them
// would crash the process on its way out.
DB2API::~DB2API() {}

HMODULE DB2API::LoadLibrary(const char* name) {
    return dlopen(name, RTLD_NOW);
}

void* DB2API::GetProcAddress(HMODULE module, const char* funcName) {
    // dlsym with a null handle would search the whole process: never do that.
    return module != nullptr ? dlsym(module, funcName) : nullptr;
}

void DB2API::FreeLibrary(HMODULE module) {
    if (module != nullptr) {
        dlclose(module);
    }
}

// Contexts, memory and messages.
int DB2API::SetTypcCtx(sqlint32 option) const {
    return Call<fn::sqleSetTypeCtx>(m_hAppInstanceDLL, "sqleSetTypeCtx", option);
}
int DB2API::CreateContext(void** ppCtx, sqlint32 lOptions, void* reserved, sqlca* ca) const {
    return Call<fn::sqleBeginCtx>(m_hAppInstanceDLL, "sqleBeginCtx", ppCtx, lOptions, reserved, ca);
}
int DB2API::AttachToContext(void* pCtx, void* reserved, sqlca* ca) const {
    return Call<fn::sqleAttachToCtx>(m_hAppInstanceDLL, "sqleAttachToCtx", pCtx, reserved, ca);
}
int DB2API::DetachFromContext(void* pCtx, void* reserved, sqlca* ca) const {
    return Call<fn::sqleDetachFromCtx>(m_hAppInstanceDLL, "sqleDetachFromCtx", pCtx, reserved, ca);
}
int DB2API::GetCurrentContext(void** pctx, void* reserved, sqlca* ca) const {
    return Call<fn::sqleGetCurrentCtx>(m_hAppInstanceDLL, "sqleGetCurrentCtx", pctx, reserved, ca);
}
int DB2API::DestroyContext(void** ppCtx, sqlint32 lOptions, void* reserved, sqlca* ca) const {
    return Call<fn::sqleEndCtx>(m_hAppInstanceDLL, "sqleEndCtx", ppCtx, lOptions, reserved, ca);
}
int DB2API::FreeMemory(sqlca* ca, void* pBuffer) const {
    return Call<fn::sqlefmem_api>(m_hAppInstanceDLL, "sqlefmem_api", ca, pBuffer);
}
int DB2API::GetErrorMessage(char* pBuffer, short BufferSize, short LineWidth, sqlca* ca) const {
    return Call<fn::sqlaintp_api>(m_hAppInstanceDLL, "sqlaintp_api", pBuffer, BufferSize, LineWidth,
                                  kMessageFileName, ca);
}

// Instance attachment.
int DB2API::AttachNode(char* pNodeName, char* pUserName, char* pPassword, sqlca* ca) const {
    return Call<fn::sqleatin_api>(m_hAppInstanceDLL, "sqleatin_api", pNodeName, pUserName,
                                  pPassword, ca);
}
int DB2API::DetachNode(sqlca* ca) const {
    return Call<fn::sqledtin_api>(m_hAppInstanceDLL, "sqledtin_api", ca);
}
int DB2API::SetClient(void* pSettings, unsigned short NumSettings, sqlca* ca) const {
    return Call<fn::sqlesetc_api>(m_hAppInstanceDLL, "sqlesetc_api", pSettings, NumSettings, ca);
}

// DB2 CLI.
int DB2API::SQLAllocHandle(SQLSMALLINT fHandleType, SQLHANDLE hInput, SQLHANDLE* phOutput) const {
    return Call16<fn::SQLAllocHandle>(m_hCliDLL, "SQLAllocHandle", fHandleType, hInput, phOutput);
}
int DB2API::SQLSetEnvAttr(SQLHENV hEnv, SQLINTEGER Attribute, SQLPOINTER Value,
                          SQLINTEGER StringLength) const {
    return Call16<fn::SQLSetEnvAttr>(m_hCliDLL, "SQLSetEnvAttr", hEnv, Attribute, Value,
                                     StringLength);
}
int DB2API::SQLSetConnectAttr(SQLHDBC hDbc, SQLINTEGER Attribute, SQLPOINTER Value,
                              SQLINTEGER StringLength) const {
    return Call16<fn::SQLSetConnectAttr>(m_hCliDLL, "SQLSetConnectAttr", hDbc, Attribute, Value,
                                         StringLength);
}
int DB2API::SQLConnect(SQLHDBC hDbc, SQLCHAR* ServerName, SQLSMALLINT NameLength1,
                       SQLCHAR* UserName, SQLSMALLINT NameLength2, SQLCHAR* Authentication,
                       SQLSMALLINT NameLength3) const {
    return Call16<fn::SQLConnect>(m_hCliDLL, "SQLConnect", hDbc, ServerName, NameLength1, UserName,
                                  NameLength2, Authentication, NameLength3);
}
int DB2API::SQLGetInfo(SQLHDBC hdbc, SQLUSMALLINT fInfoType, SQLPOINTER rgbInfoValue,
                       SQLSMALLINT cbInfoValueMax, SQLSMALLINT* pcbInfoValue) const {
    return Call16<fn::SQLGetInfo>(m_hCliDLL, "SQLGetInfo", hdbc, fInfoType, rgbInfoValue,
                                  cbInfoValueMax, pcbInfoValue);
}
int DB2API::SQLDisconnect(SQLHDBC Handle) const {
    return Call16<fn::SQLDisconnect>(m_hCliDLL, "SQLDisconnect", Handle);
}
int DB2API::SQLFreeHandle(SQLSMALLINT HandleType, SQLHANDLE Handle) const {
    return Call16<fn::SQLFreeHandle>(m_hCliDLL, "SQLFreeHandle", HandleType, Handle);
}
int DB2API::SQLEndTran(SQLSMALLINT HandleType, SQLHANDLE Handle, SQLSMALLINT CompletionType) const {
    return Call16<fn::SQLEndTran>(m_hCliDLL, "SQLEndTran", HandleType, Handle, CompletionType);
}

// Configuration.
int DB2API::GetConfigurationParametersV8(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2CfgGet", v, p, ca);
}
int DB2API::SetConfigurationParametersV8(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2CfgSet", v, p, ca);
}
int DB2API::ResetDBMCfgV7(sqlca* ca) const {
    return Call16<fn::sqlfrsys>(m_hAppInstanceDLL, "sqlfrsys", ca);
}
int DB2API::ResetDBCfgV7(char* aliasName, sqlca* ca) const {
    return Call16<fn::sqlfrdb>(m_hAppInstanceDLL, "sqlfrdb", aliasName, ca);
}
int DB2API::db2AutoConfig(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2AutoConfig", v, p, ca);
}
int DB2API::db2AutoConfigFreeMemory(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2AutoConfigFreeMemory", v, p, ca);
}

// Directories.
int DB2API::CatalogDatabase(char* pDbName, char* pDbAlias, unsigned char Type, char* pNodeName,
                            char* pPath, char* pComment, unsigned short Authentication,
                            char* pPrincipal, sqlca* ca) const {
    return Call16<fn::sqlecadb_api>(m_hAppInstanceDLL, "sqlecadb_api", pDbName, pDbAlias, Type,
                                    pNodeName, pPath, pComment, Authentication, pPrincipal, ca);
}
int DB2API::UnCatalogDatabase(char* aliasName, sqlca* ca) const {
    return Call16<fn::sqleuncd_api>(m_hAppInstanceDLL, "sqleuncd_api", aliasName, ca);
}
int DB2API::OpenDatabaseDirectoryScan(char* pPath, unsigned short* pHandle,
                                      unsigned short* pNumEntries, sqlca* ca) const {
    return Call<fn::sqledosd_api>(m_hAppInstanceDLL, "sqledosd_api", pPath, pHandle, pNumEntries,
                                  ca);
}
int DB2API::GetNextDatabaseDirectoryEntry(unsigned short Handle, sqledinfo** ppEntry,
                                          sqlca* ca) const {
    return Call<fn::sqledgne_api>(m_hAppInstanceDLL, "sqledgne_api", Handle, ppEntry, ca);
}
int DB2API::CloseDatabaseDirectoryScan(unsigned short Handle, sqlca* ca) const {
    return Call<fn::sqledcls_api>(m_hAppInstanceDLL, "sqledcls_api", Handle, ca);
}
int DB2API::GetInstanceName(char* pInstance, sqlca* ca) const {
    return Call<fn::sqlegins_api>(m_hAppInstanceDLL, "sqlegins_api", pInstance, ca);
}
int DB2API::CatalogNode(sqle_node_struct* pNodeInfo, void* pProtocolInfo, sqlca* ca) const {
    return Call16<fn::sqlectnd_api>(m_hAppInstanceDLL, "sqlectnd_api", pNodeInfo, pProtocolInfo,
                                    ca);
}
int DB2API::UnCatalogNode(char* nodeName, sqlca* ca) const {
    return Call16<fn::sqleuncn_api>(m_hAppInstanceDLL, "sqleuncn_api", nodeName, ca);
}
int DB2API::OpenNodeDirectoryScan(unsigned short* pHandle, unsigned short* pNumEntries,
                                  sqlca* ca) const {
    return Call<fn::sqlenops_api>(m_hAppInstanceDLL, "sqlenops_api", pHandle, pNumEntries, ca);
}
int DB2API::GetNextNodeDirectoryEntry(unsigned short pHandle, sqleninfo** ppEntry,
                                      sqlca* ca) const {
    return Call<fn::sqlengne_api>(m_hAppInstanceDLL, "sqlengne_api", pHandle, ppEntry, ca);
}
int DB2API::CloseNodeDirectoryScan(unsigned short handle, sqlca* ca) const {
    return Call<fn::sqlencls_api>(m_hAppInstanceDLL, "sqlencls_api", handle, ca);
}
int DB2API::CatalogDCSDatabase(sql_dir_entry* pEntry, sqlca* ca) const {
    return Call16<fn::sqlegdad_api>(m_hAppInstanceDLL, "sqlegdad_api", pEntry, ca);
}
int DB2API::UnCatalogDCSDatabase(sql_dir_entry* pEntry, sqlca* ca) const {
    return Call16<fn::sqlegdel_api>(m_hAppInstanceDLL, "sqlegdel_api", pEntry, ca);
}
int DB2API::OpenDCSDirectoryScan(short* pNumEntries, sqlca* ca) const {
    return Call<fn::sqlegdsc_api>(m_hAppInstanceDLL, "sqlegdsc_api", pNumEntries, ca);
}
int DB2API::GetDCSDirectoryEntries(short* pNumEntries, sql_dir_entry* pEntries, sqlca* ca) const {
    return Call<fn::sqlegdgt_api>(m_hAppInstanceDLL, "sqlegdgt_api", pNumEntries, pEntries, ca);
}
int DB2API::CloseDCSDirectoryScan(sqlca* ca) const {
    return Call<fn::sqlegdcl_api>(m_hAppInstanceDLL, "sqlegdcl_api", ca);
}

// Databases and the instance.
int DB2API::CreateDatabase(char* pDbName, char* pLocalDbAlias, char* pPath, void* pDbDescriptor,
                           void* pCountryInfo, char Reserved2, void* pReserved1, sqlca* ca) const {
    return Call<fn::sqlecrea_api>(m_hAppInstanceDLL, "sqlecrea_api", pDbName, pLocalDbAlias, pPath,
                                  pDbDescriptor, pCountryInfo, Reserved2, pReserved1, ca);
}
int DB2API::DropDatabase(char* pDbAlias, char* /*pReserved*/, sqlca* ca) const {
    char* reserved = nullptr;
    return Call<fn::sqledrpd_api>(m_hAppInstanceDLL, "sqledrpd_api", pDbAlias, reserved, ca);
}
int DB2API::db2InstanceStart(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2InstanceStart", v, p, ca);
}
int DB2API::db2InstanceStop(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2InstanceStop", v, p, ca);
}
int DB2API::db2InstanceStartV7(void* pParmStruct, sqlca* ca) const {
    return Call16<fn::sqlepstart_api>(m_hAppInstanceDLL, "sqlepstart_api", pParmStruct, ca);
}
int DB2API::db2InstanceStopV7(void* pParmStruct, sqlca* ca) const {
    return Call16<fn::sqlepstp>(m_hAppInstanceDLL, "sqlepstp", pParmStruct, ca);
}
int DB2API::ActivateDatabase(char* pAlias, char* pUserName, char* pPassword, void* pReserved,
                             sqlca* ca) const {
    return Call16<fn::sqle_activate_db_api>(m_hAppInstanceDLL, "sqle_activate_db_api", pAlias,
                                            pUserName, pPassword, pReserved, ca);
}
int DB2API::DeActivateDatabase(char* pAlias, char* pUserName, char* pPassword, void* pReserved,
                               sqlca* ca) const {
    return Call16<fn::sqle_deactivate_db_api>(m_hAppInstanceDLL, "sqle_deactivate_db_api", pAlias,
                                              pUserName, pPassword, pReserved, ca);
}
int DB2API::db2DatabaseQuiesce(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2DatabaseQuiesce", v, p, ca);
}
int DB2API::db2DatabaseUnquiesce(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2DatabaseUnquiesce", v, p, ca);
}
int DB2API::db2InstanceQuiesce(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2InstanceQuiesce", v, p, ca);
}
int DB2API::db2InstanceUnquiesce(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2InstanceUnquiesce", v, p, ca);
}
int DB2API::DB2DatabaseRestart(db2Uint32 v, void* p, sqlca* ca) const {
    return NarrowResult16(CallV(m_hAppInstanceDLL, "db2DatabaseRestart", v, p, ca));
}
int DB2API::MigrateDatabase(char* pDbAlias, char* pUserName, char* pPassword, sqlca* ca) const {
    return Call<fn::sqlemgdb_api>(m_hAppInstanceDLL, "sqlemgdb_api", pDbAlias, pUserName, pPassword,
                                  ca);
}
int DB2API::ChangeDBComment(char* pdbAlias, char* /*pPath*/, char* pComment, sqlca* ca) const {
    char localDirectory[] = "";
    return Call<fn::sqledcgd_api>(m_hAppInstanceDLL, "sqledcgd_api", pdbAlias, localDirectory,
                                  pComment, ca);
}
int DB2API::AddDBPartNum(void* pAddNodeOptions, sqlca* ca) const {
    return Call<fn::sqleaddn_api>(m_hAppInstanceDLL, "sqleaddn_api", pAddNodeOptions, ca);
}
int DB2API::DropDBPartNumVerify(unsigned short Action, void* pReserved, sqlca* ca) const {
    return Call<fn::sqledrpn_api>(m_hAppInstanceDLL, "sqledrpn_api", Action, pReserved, ca);
}
int DB2API::RedistGroup(char* pNodeGroupName, char* pTargetPMapFileName, char* pDataDistFileName,
                        SQL_PDB_NODE_TYPE* pAddList, unsigned short AddCount,
                        SQL_PDB_NODE_TYPE* pDropList, unsigned short DropCount,
                        unsigned char DataRedistOption, sqlca* ca) const {
    return Call<fn::sqludrdt_api>(m_hAppInstanceDLL, "sqludrdt_api", pNodeGroupName,
                                  pTargetPMapFileName, pDataDistFileName, pAddList, AddCount,
                                  pDropList, DropCount, DataRedistOption, ca);
}

// Data movement.
int DB2API::Import(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2Import", v, p, ca);
}
int DB2API::ImportV7(char* pDataFileName, void* pLobPathList, void* pDataDescriptor,
                     void* pActionString, char* pFileType, void* pFileTypeMod, char* pMsgFileName,
                     short CallerAction, void* pImportInfoIn, void* pImportInfoOut,
                     sqlint32* pNullIndicators, void* pReserved, sqlca* ca) const {
    return Call<fn::sqluimpr_api>(m_hAppInstanceDLL, "sqluimpr_api", pDataFileName, pLobPathList,
                                  pDataDescriptor, pActionString, pFileType, pFileTypeMod,
                                  pMsgFileName, CallerAction, pImportInfoIn, pImportInfoOut,
                                  pNullIndicators, pReserved, ca);
}
int DB2API::Export(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2Export", v, p, ca);
}
int DB2API::Load(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2Load", v, p, ca);
}
int DB2API::LoadQuery(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2LoadQuery", v, p, ca);
}

// Backup and recovery.
int DB2API::BackupDB(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2Backup", v, p, ca);
}
int DB2API::RestoreDB(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2Restore", v, p, ca);
}
int DB2API::Rollforward(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2Rollforward", v, p, ca);
}
int DB2API::ListHistoryOpen(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2HistoryOpenScan", v, p, ca);
}
int DB2API::ListHistoryGetEntry(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2HistoryGetEntry", v, p, ca);
}
int DB2API::ListHistoryClose(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2HistoryCloseScan", v, p, ca);
}
int DB2API::UpdateHistory(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2HistoryUpdate", v, p, ca);
}
int DB2API::Prune(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2Prune", v, p, ca);
}
int DB2API::ArchiveLog(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2ArchiveLog", v, p, ca);
}
int DB2API::ArchiveLogV7(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2ArchiveLog@12", v, p, ca);
}
int DB2API::QuiesceTablespaces(char* pTableName, sqlint32 QuiesceMode, void* pReserved,
                               sqlca* ca) const {
    return Call<fn::sqluvqdp>(m_hAppInstanceDLL, "sqluvqdp", pTableName, QuiesceMode, pReserved,
                              ca);
}
int DB2API::SetTablespaceContainers(sqlca* ca, sqluint32 SetContainerOptions,
                                    sqluint32 TablespaceId, sqluint32 NumContainers,
                                    void* pContainerData) const {
    return Call<fn::sqlbstsc>(m_hAppInstanceDLL, "sqlbstsc", ca, SetContainerOptions, TablespaceId,
                              NumContainers, pContainerData);
}
int DB2API::Reconcile(char* pTableName, char* pExTableName, char* pReportFileName, void* pReserved,
                      sqlca* ca) const {
    return Call<fn::sqlurcon>(m_hAppInstanceDLL, "sqlurcon", pTableName, pExTableName,
                              pReportFileName, pReserved, ca);
}

// Maintenance.
int DB2API::RunStats(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2Runstats", v, p, ca);
}
int DB2API::Reorg(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2Reorg", v, p, ca);
}
int DB2API::Inspect(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2Inspect", v, p, ca);
}
int DB2API::Bind(char* pBindFileName, char* pMsgFileName, void* pBindOptions, sqlca* ca) const {
    return Call<fn::sqlabndx>(m_hBindDLL, "sqlabndx", pBindFileName, pMsgFileName, pBindOptions,
                              ca);
}
int DB2API::Rebind(char* pPackageName, sqlca* ca, void* pRebindOptions) const {
    return Call<fn::sqlarbnd>(m_hAppInstanceDLL, "sqlarbnd", pPackageName, ca, pRebindOptions);
}
int DB2API::Precompile(char* pProgramName, char* pMsgFileName, void* pPrepOptions,
                       sqlca* ca) const {
    return Call<fn::sqlaprep>(m_hPrepDLL, "sqlaprep", pProgramName, pMsgFileName, pPrepOptions, ca);
}
int DB2API::SetUtilImpactPriority(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2UtilityControl", v, p, ca);
}

// Monitoring.
int DB2API::GetSnapshotSize(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2GetSnapshotSize@12", v, p, ca);
}
int DB2API::GetSnapshotData(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2GetSnapshot", v, p, ca);
}
int DB2API::MonitorSwitches(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2MonitorSwitches@12", v, p, ca);
}
int DB2API::ResetMonitor(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2ResetMonitor@12", v, p, ca);
}
int DB2API::ForceApplication(sqlint32 NumAgentIds, sqluint32* pAgentIds, unsigned short ForceMode,
                             sqlca* ca) const {
    return Call<fn::sqlefrce_api>(m_hAppInstanceDLL, "sqlefrce_api", NumAgentIds, pAgentIds,
                                  ForceMode, ca);
}
int DB2API::QueryAllTablespace(sqlca* ca, sqluint32* pNumTablespaces, void*** pppData,
                               sqluint32 reserved1, sqluint32 reserved2) const {
    return Call<fn::sqlbmtsq>(m_hAppInstanceDLL, "sqlbmtsq", ca, pNumTablespaces, pppData,
                              reserved1, reserved2);
}
int DB2API::GetSingleTablespaceStatistics(sqlca* ca, sqluint32 TablespaceId,
                                          void* pTablespaceStats) const {
    return Call<fn::sqlbgtss>(m_hAppInstanceDLL, "sqlbgtss", ca, TablespaceId, pTablespaceStats);
}
int DB2API::QueryTablespaceContainer(sqlca* ca, sqluint32 TablespaceId, sqluint32* pNumContainers,
                                     void** ppContainerData) const {
    return Call<fn::sqlbtcq>(m_hAppInstanceDLL, "sqlbtcq", ca, TablespaceId, pNumContainers,
                             ppContainerData);
}
int DB2API::ListInDoubtTransaction(int exe_type, void** ppIndoubtData, sqlint32* pNumIndoubts,
                                   sqlca* ca) const {
    return Call<fn::sqlxphqr>(m_hAppInstanceDLL, "sqlxphqr", exe_type, ppIndoubtData, pNumIndoubts,
                              ca);
}
int DB2API::ListDRDAInDoubtTransaction(void** indoubt_data, sqlint32* indoubt_count,
                                       sqlca* ca) const {
    return Call<fn::sqlcspqy>(m_hAppInstanceDLL, "sqlcspqy", indoubt_data, indoubt_count, ca);
}
int DB2API::ListDRDAInDoubtTransactionV9(db2Uint32 v, void* p, sqlca* ca) const {
    return CallV(m_hAppInstanceDLL, "db2SpmListIndTrans@12", v, p, ca);
}

}  // namespace db2
