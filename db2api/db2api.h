// The process-wide loader of the DB2 client library and one wrapper per entry point we call.
//
// Every wrapper returns -1 when the library is not loaded or does not export the entry point;
// otherwise it returns the entry point's own result. Results marked "16-bit" are sign-extended
// from 16 bits, so a 16-bit -1 (0xFFFF) reads as -1 too. Entry points are looked up on every call.
#pragma once

#include <cstdint>

#include "db2entrypoints.h"
#include "db2types.h"

namespace db2 {

// An opaque loader handle (what dlopen returns).
typedef void* HMODULE;

// The result every wrapper gives when the entry point cannot be reached.
constexpr int kEntryPointMissing = -1;

// Reads a result as DB2's 16-bit return code: 0xFFFF is -1, 0x8000 is -32768.
constexpr int NarrowResult16(int rc) {
    return static_cast<int>(static_cast<int16_t>(rc));
}

class DB2API {
  public:
    // Loads the client library on first use; thread-safe.
    static DB2API& Instance();

    static HMODULE LoadLibrary(const char* name);
    static void* GetProcAddress(HMODULE module, const char* funcName);
    static void FreeLibrary(HMODULE module);

    // Versioned entry points all take (version number, parameter structure, sqlca).

    // Contexts, memory and messages.
    int SetTypcCtx(sqlint32 option) const;
    int CreateContext(void** ppCtx, sqlint32 lOptions, void* reserved, sqlca* pstSqlca) const;
    int AttachToContext(void* pCtx, void* reserved, sqlca* pSqlca) const;
    int DetachFromContext(void* pCtx, void* reserved, sqlca* pstSqlca) const;
    int GetCurrentContext(void** pctx, void* reserved, sqlca* pSqlca) const;
    int DestroyContext(void** ppCtx, sqlint32 lOptions, void* reserved, sqlca* pstSqlca) const;
    int FreeMemory(sqlca* pSqlca, void* pBuffer) const;
    // Formats the message of pSqlca from the catalogue "db2sql.mo".
    int GetErrorMessage(char* pBuffer, short BufferSize, short LineWidth, sqlca* pSqlca) const;

    // Instance attachment.
    int AttachNode(char* pNodeName, char* pUserName, char* pPassword, sqlca* pSqlca) const;
    int DetachNode(sqlca* pSqlca) const;
    int SetClient(void* pConnectionSettings, unsigned short NumSettings, sqlca* pSqlca) const;

    // DB2 CLI, all 16-bit. Attribute values are integers carried in the pointer argument:
    // callers pass reinterpret_cast<SQLPOINTER>(static_cast<intptr_t>(value)).
    int SQLAllocHandle(SQLSMALLINT fHandleType, SQLHANDLE hInput, SQLHANDLE* phOutput) const;
    int SQLSetEnvAttr(SQLHENV EnvironmentHandle, SQLINTEGER Attribute, SQLPOINTER Value,
                      SQLINTEGER StringLength) const;
    int SQLSetConnectAttr(SQLHDBC ConnectionHandle, SQLINTEGER Attribute, SQLPOINTER Value,
                          SQLINTEGER StringLength) const;
    int SQLConnect(SQLHDBC ConnectionHandle, SQLCHAR* ServerName, SQLSMALLINT NameLength1,
                   SQLCHAR* UserName, SQLSMALLINT NameLength2, SQLCHAR* Authentication,
                   SQLSMALLINT NameLength3) const;
    int SQLGetInfo(SQLHDBC hdbc, SQLUSMALLINT fInfoType, SQLPOINTER rgbInfoValue,
                   SQLSMALLINT cbInfoValueMax, SQLSMALLINT* pcbInfoValue) const;
    int SQLDisconnect(SQLHDBC Handle) const;
    int SQLFreeHandle(SQLSMALLINT HandleType, SQLHANDLE Handle) const;
    int SQLEndTran(SQLSMALLINT HandleType, SQLHANDLE Handle, SQLSMALLINT CompletionType) const;

    // Configuration. ResetDBMCfgV7 and ResetDBCfgV7 are 16-bit.
    int GetConfigurationParametersV8(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int SetConfigurationParametersV8(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int ResetDBMCfgV7(sqlca* pSqlca) const;
    int ResetDBCfgV7(char* aliasName, sqlca* pSqlca) const;
    int db2AutoConfig(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int db2AutoConfigFreeMemory(db2Uint32 version, void* parms, sqlca* pSqlca) const;

    // Directories. The catalog and uncatalog calls are 16-bit.
    int CatalogDatabase(char* pDbName, char* pDbAlias, unsigned char Type, char* pNodeName,
                        char* pPath, char* pComment, unsigned short Authentication,
                        char* pPrincipal, sqlca* pSqlca) const;
    int UnCatalogDatabase(char* aliasName, sqlca* pSqlca) const;
    int OpenDatabaseDirectoryScan(char* pPath, unsigned short* pHandle, unsigned short* pNumEntries,
                                  sqlca* pSqlca) const;
    int GetNextDatabaseDirectoryEntry(unsigned short Handle, sqledinfo** ppDbDirEntry,
                                      sqlca* pSqlca) const;
    int CloseDatabaseDirectoryScan(unsigned short Handle, sqlca* pSqlca) const;
    int GetInstanceName(char* pInstance, sqlca* pSqlca) const;
    int CatalogNode(sqle_node_struct* pNodeInfo, void* pProtocolInfo, sqlca* pSqlca) const;
    int UnCatalogNode(char* nodeName, sqlca* pSqlca) const;
    int OpenNodeDirectoryScan(unsigned short* pHandle, unsigned short* pNumEntries,
                              sqlca* pSqlca) const;
    int GetNextNodeDirectoryEntry(unsigned short pHandle, sqleninfo** ppNodeDirEntry,
                                  sqlca* pSqlca) const;
    int CloseNodeDirectoryScan(unsigned short handle, sqlca* pSqlca) const;
    int CatalogDCSDatabase(sql_dir_entry* pDCSDirEntry, sqlca* pSqlca) const;
    int UnCatalogDCSDatabase(sql_dir_entry* pDCSDirEntry, sqlca* pSqlca) const;
    int OpenDCSDirectoryScan(short* pNumEntries, sqlca* pSqlca) const;
    int GetDCSDirectoryEntries(short* pNumEntries, sql_dir_entry* pDCSDirEntries,
                               sqlca* pSqlca) const;
    int CloseDCSDirectoryScan(sqlca* pSqlca) const;

    // Databases and the instance. db2InstanceStartV7, db2InstanceStopV7, ActivateDatabase,
    // DeActivateDatabase and DB2DatabaseRestart are 16-bit.
    int CreateDatabase(char* pDbName, char* pLocalDbAlias, char* pPath, void* pDbDescriptor,
                       void* pCountryInfo, char Reserved2, void* pReserved1, sqlca* pSqlca) const;
    // The reserved argument is always passed as null.
    int DropDatabase(char* pDbAlias, char* pReserved, sqlca* pSqlca) const;
    int db2InstanceStart(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int db2InstanceStop(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int db2InstanceStartV7(void* pParmStruct, sqlca* pSqlca) const;
    int db2InstanceStopV7(void* pParmStruct, sqlca* pSqlca) const;
    int ActivateDatabase(char* pAlias, char* pUserName, char* pPassword, void* pReserved,
                         sqlca* pSqlca) const;
    int DeActivateDatabase(char* pAlias, char* pUserName, char* pPassword, void* pReserved,
                           sqlca* pSqlca) const;
    int db2DatabaseQuiesce(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int db2DatabaseUnquiesce(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int db2InstanceQuiesce(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int db2InstanceUnquiesce(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int DB2DatabaseRestart(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int MigrateDatabase(char* pDbAlias, char* pUserName, char* pPassword, sqlca* pSqlca) const;
    // The comment always goes to the local directory: the path passed is "" whatever pPath is.
    int ChangeDBComment(char* pdbAlias, char* pPath, char* pComment, sqlca* pSqlca) const;
    int AddDBPartNum(void* pAddNodeOptions, sqlca* pSqlca) const;
    int DropDBPartNumVerify(unsigned short Action, void* pReserved, sqlca* pSqlca) const;
    int RedistGroup(char* pNodeGroupName, char* pTargetPMapFileName, char* pDataDistFileName,
                    SQL_PDB_NODE_TYPE* pAddList, unsigned short AddCount,
                    SQL_PDB_NODE_TYPE* pDropList, unsigned short DropCount,
                    unsigned char DataRedistOption, sqlca* pSqlca) const;

    // Data movement.
    int Import(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int ImportV7(char* pDataFileName, void* pLobPathList, void* pDataDescriptor,
                 void* pActionString, char* pFileType, void* pFileTypeMod, char* pMsgFileName,
                 short CallerAction, void* pImportInfoIn, void* pImportInfoOut,
                 sqlint32* pNullIndicators, void* pReserved, sqlca* pSqlca) const;
    int Export(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int Load(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int LoadQuery(db2Uint32 version, void* parms, sqlca* pSqlca) const;

    // Backup and recovery.
    int BackupDB(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int RestoreDB(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int Rollforward(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int ListHistoryOpen(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int ListHistoryGetEntry(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int ListHistoryClose(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int UpdateHistory(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int Prune(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int ArchiveLog(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int ArchiveLogV7(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int QuiesceTablespaces(char* pTableName, sqlint32 QuiesceMode, void* pReserved,
                           sqlca* pSqlca) const;
    int SetTablespaceContainers(sqlca* pSqlca, sqluint32 SetContainerOptions,
                                sqluint32 TablespaceId, sqluint32 NumContainers,
                                void* pContainerData) const;
    int Reconcile(char* pTableName, char* pExTableName, char* pReportFileName, void* pReserved,
                  sqlca* pSqlca) const;

    // Maintenance.
    int RunStats(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int Reorg(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int Inspect(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int Bind(char* pBindFileName, char* pMsgFileName, void* pBindOptions, sqlca* pSqlca) const;
    int Rebind(char* pPackageName, sqlca* pSqlca, void* pRebindOptions) const;
    int Precompile(char* pProgramName, char* pMsgFileName, void* pPrepOptions, sqlca* pSqlca) const;
    int SetUtilImpactPriority(db2Uint32 version, void* parms, sqlca* pSqlca) const;

    // Monitoring.
    int GetSnapshotSize(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int GetSnapshotData(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int MonitorSwitches(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int ResetMonitor(db2Uint32 version, void* parms, sqlca* pSqlca) const;
    int ForceApplication(sqlint32 NumAgentIds, sqluint32* pAgentIds, unsigned short ForceMode,
                         sqlca* pSqlca) const;
    int QueryAllTablespace(sqlca* pSqlca, sqluint32* pNumTablespaces, void*** pppTablespaceData,
                           sqluint32 reserved1, sqluint32 reserved2) const;
    int GetSingleTablespaceStatistics(sqlca* pSqlca, sqluint32 TablespaceId,
                                      void* pTablespaceStats) const;
    int QueryTablespaceContainer(sqlca* pSqlca, sqluint32 TablespaceId, sqluint32* pNumContainers,
                                 void** ppContainerData) const;
    int ListInDoubtTransaction(int exe_type, void** ppIndoubtData, sqlint32* pNumIndoubts,
                               sqlca* pSqlca) const;
    int ListDRDAInDoubtTransaction(void** indoubt_data, sqlint32* indoubt_count,
                                   sqlca* pSqlca) const;
    int ListDRDAInDoubtTransactionV9(db2Uint32 version, void* parms, sqlca* pSqlca) const;

  private:
    DB2API();
    ~DB2API();
    DB2API(const DB2API&) = delete;
    DB2API& operator=(const DB2API&) = delete;

    // One handle per group of entry points; all hold the same library.
    static HMODULE m_hAppInstanceDLL;
    static HMODULE m_hUtilDLL;
    static HMODULE m_hBindDLL;
    static HMODULE m_hCliDLL;
    static HMODULE m_hPrepDLL;
};

}  // namespace db2
