#include "commands/database/startparameters.h"

#include "commands/database/nullabletext.h"
#include "commands/fixedfield.h"

namespace {

sqluint32 flag(bool set) {
    return set ? 1 : 0;
}

}  // namespace

void StartParameters::Read(const tarvinex::JavaObject& start, const t_string& className) {
    remoteInstanceName = start.getFieldString("RemoteInstanceName");
    remoteAdminNodeName = start.getFieldString("RemoteAdminNodeName");
    remoteHostName = start.getFieldString("RemoteHostName");
    remoteUserId = start.getFieldString("RemoteUserId");
    remotePassword = start.getFieldString("RemotePassword");
    isAdminNode = start.callBooleanMethod("getIsAdminNode", JNI_FALSE) == JNI_TRUE;
    user = start.getFieldString("User");
    group = start.getFieldString("Group");
    profile = start.getFieldString("Profile");
    partitionNum = start.callIntegerMethod("getPartitionNum", -1);
    const t_string optionEnum = className + "$EnumStartOption";
    startMode = start.getEnumValue("getStartOption", optionEnum.c_str(), 0);
    if (startMode == kRestart) {
        const t_string optionClass = className + "$RestartOption";
        populateData(start.getChildObject("getRestartOptionData", optionClass.c_str()));
    } else if (startMode == kAddPartition) {
        const t_string optionClass = className + "$AddDBPartitioinOption";
        const tarvinex::JavaObject option =
            start.getChildObject("getAddDBPartionOption", optionClass.c_str());
        populateData(option);
        likePartition = option.callIntegerMethod("getLikeDBPartition", -1);
        isWithoutTablespaces =
            option.callBooleanMethod("getWithoutTablespace", JNI_FALSE) == JNI_TRUE;
    }
}

void StartParameters::populateData(const tarvinex::JavaObject& option) {
    hostName = option.getFieldString("Hostname");
    computerName = option.getFieldString("ComputerName");
    userName = option.getFieldString("UserName");
    password = option.getFieldString("Password");
    netName = option.getFieldString("NetName");
    port = option.callIntegerMethod("getPort", 0);
}

sqluint32 StartParameters::tablespaceType() const {
    return likePartition != -1 ? 1 : flag(isWithoutTablespaces);
}

SQL_PDB_NODE_TYPE StartParameters::tablespaceNode() const {
    return static_cast<SQL_PDB_NODE_TYPE>(likePartition != -1 ? likePartition : 0);
}

void StartParameters::Fill(db2StartOptionsStruct& options) {
    options.iIsProfile = flag(!profile.empty());
    options.piProfile = textOrNull(profile);
    if (partitionNum != -1) {
        options.iIsNodeNum = 1;
        options.iNodeNum = static_cast<SQL_PDB_NODE_TYPE>(partitionNum);
    }
    options.iOption = static_cast<db2Uint32>(startMode);
    options.iIsHostName = flag(!hostName.empty());
    options.piHostName = textOrNull(hostName);
    options.iIsPort = flag(port != 0);
    options.iPort = port;
    options.iIsNetName = flag(!netName.empty());
    options.piNetName = textOrNull(netName);
    options.iTblspaceType = tablespaceType();
    options.iTblspaceNode = tablespaceNode();
    options.iIsComputer = flag(!computerName.empty());
    options.piComputer = textOrNull(computerName);
    options.piUserName = textOrNull(userName);
    options.piPassword = textOrNull(password);
}

void StartParameters::Fill(sqle_start_options& options) {
    copyEyeCatcher(options.sqloptid, SQLE_STARTOPTID_V51);
    options.isprofile = flag(!profile.empty());
    copyToField(options.profile, profile);
    if (partitionNum != -1) {
        options.isnodenum = 1;
        options.nodenum = static_cast<SQL_PDB_NODE_TYPE>(partitionNum);
    }
    options.option = static_cast<sqluint32>(startMode);
    options.ishostname = flag(!hostName.empty());
    copyToField(options.hostname, hostName);
    options.isport = flag(port != 0);
    options.port = port;
    options.isnetname = flag(!netName.empty());
    copyToField(options.netname, netName);
    options.tblspace_type = tablespaceType();
    options.tblspace_node = tablespaceNode();
    options.iscomputer = flag(!computerName.empty());
    copyToField(options.computer, computerName);
    options.pUserName = textOrNull(userName);
    options.pPassword = textOrNull(password);
}
