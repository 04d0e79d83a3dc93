package com.qorvath.db2command.tests;

import com.qorvath.db2command.util.EnumTypeBase;

/** A typesafe enum for the bridge probe: its type and its own value differ. */
public final class BridgeColour extends EnumTypeBase {
    static final String CLASS = "com/qorvath/db2command/tests/BridgeColour";
    static final BridgeColour RED = new BridgeColour(1, "RED");
    static final BridgeColour GREEN = new BridgeColour(2, "GREEN");

    private BridgeColour(int type, String name) {
        super(type, name);
    }

    /** The value a command reads with getEnumIntValue. */
    public int getValue() {
        return getType() * 100;
    }
}
