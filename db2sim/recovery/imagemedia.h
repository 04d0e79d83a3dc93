// Where backup images are written and found. Local media ('L') are the folders the list names;
// TSM ('A'), XBSA ('X') and a vendor library ('O', whose one location is the library's file)
// stand in as folders of the state folder ("tsm", "xbsa", "vendor"), so an image sent there can
// be restored from there. An image is one file named as DB2 names it:
// <ALIAS>.0.<instance>.NODE0000.CATN0000.<yyyymmddhhmmss>.001
#pragma once

#include <string>
#include <vector>

#include "db2api/db2structs.h"
#include "db2sim/recovery/recoverydatabase.h"

namespace db2sim {

class ImageMedia {
  public:
    static constexpr db2Uint32 kMaxLocations = 256;

    // The folders of a media list; false with `refusal` set when the list is not usable.
    static bool folders(const db2MediaListStruct* media, std::vector<std::string>& out,
                        RecoveryRefusal& refusal);
    static std::string imageName(const std::string& alias, const std::string& instance,
                                 const std::string& timestamp);
    // Files of images of `alias` in `folder` (any instance) whose time stamp starts with
    // `prefix`, with their time stamps.
    struct Found {
        std::string path;
        std::string timestamp;
    };
    static std::vector<Found> find(const std::string& folder, const std::string& alias,
                                   const std::string& prefix);
    // DB2's device type letter for a history entry.
    static char deviceType(char locationType);
};

}  // namespace db2sim
