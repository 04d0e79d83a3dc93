// Reads one Java getter per call and adds at most one pair to an OptionBlock. Bind adds an
// option only when Java gives a value; rebind and precompile compare with -1 and send some
// options always. A text too long for its 16-bit length is refused with an SQLException naming
// the getter; after any Java failure the pending exception stops the command before DB2.
#pragma once

#include "bridge/javaobject.h"
#include "commands/maintenance/optionblock.h"
#include "base/stdafx.h"

class OptionReader {
  public:
    // `commandClass` is the full class name the enum suffixes are added to.
    OptionReader(const tarvinex::JavaObject& command, t_string commandClass, OptionBlock& block);

    // Bind's kinds: added when the getter's result is not null.
    void enumType(const char* getter, const char* suffix, sqluint32 type);
    void enumTypeOf(const char* getter, const char* fullClass, sqluint32 type);
    void boxedInteger(const char* getter, sqluint32 type);
    void boxedBoolean(const char* getter, sqluint32 type);

    // Rebind's and precompile's kinds. enumValue: getValue() of the enum, `fallback` when null;
    // added when not -1.
    void enumValue(const char* getter, const char* suffix, sqluint32 type, int fallback = -1);
    // Integer added when not -1 (null counts as -1).
    void integerUnlessUnset(const char* getter, sqluint32 type);
    // Boolean always added, null as false.
    void booleanAlways(const char* getter, sqluint32 type);
    // A primitive boolean, 1 or 0, or inverted: 0 for true, 1 for false.
    void primitiveBoolean(const char* getter, sqluint32 type, bool inverted = false);

    // Texts: added when not empty; `fallback` stands in for an empty text (added when not empty).
    void text(const char* getter, sqluint32 type, const t_string& fallback = t_string());
    // The toString() of the enum object a getter returns, as a text option.
    void enumText(const char* getter, const char* suffix, sqluint32 type);

  private:
    t_string enumClass(const char* suffix) const { return commandClass + suffix; }
    void addText(const char* getter, sqluint32 type, const t_string& value);
    bool pending() const;

    const tarvinex::JavaObject& command;
    t_string commandClass;
    OptionBlock& block;
};
