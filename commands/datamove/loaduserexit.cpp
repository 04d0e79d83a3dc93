#include "commands/datamove/loaduserexit.h"

bool LoadUserExit::build(const t_string& program, const t_string& inputStream,
                         const t_string& inputFile, const t_string& outputFile, bool parallelize,
                         t_string& why) {
    exitParms = db2LoadUserExit{};
    present = false;
    if (program.empty()) {
        return true;
    }
    if (!texts.assign({program, inputStream, inputFile, outputFile}, "source user exit", why)) {
        return false;
    }
    enableParallelism = parallelize ? 1 : 0;
    exitParms.iSourceUserExitCmd = texts.at(0);
    exitParms.piInputStream = &texts.at(1);
    exitParms.piInputFileName = &texts.at(2);
    exitParms.piOutputFileName = &texts.at(3);
    exitParms.piEnableParallelism = &enableParallelism;
    present = true;
    return true;
}
