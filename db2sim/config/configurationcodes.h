// The sqlcodes of the configuration area beyond those in sqlcodes.h.
#pragma once

namespace db2sim {
namespace code {

constexpr int kCfgValueOutOfRange = -5130;  // tokens: parameter, lowest, highest
constexpr int kCfgReadOnly = -5131;         // token: parameter

}  // namespace code
}  // namespace db2sim
