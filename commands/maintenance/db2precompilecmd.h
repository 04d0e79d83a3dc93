// PRECOMPILE: precompiles an embedded-SQL program file against the connected database, writing a
// bind file and creating a package as the options ask. The boolean options are always sent.
#pragma once

#include "commands/maintenance/optionblock.h"
#include "commands/db2cmdbase.h"

class CDB2PrecompileCmd : public CDB2CmdBase {
  public:
    CDB2PrecompileCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                      const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    // The bind file and package names a program name gives when the getters give none.
    t_string defaultBindFile() const;
    t_string defaultPackage() const;

    OptionBlock options;
    sqlopt* precompOptions = nullptr;
    t_string programName;
    t_string msgFileName;
    bool doBind = false;
    bool usePackage = false;
};
