package com.qorvath.db2command.tests;

import com.qorvath.db2command.DB2Command;
import com.qorvath.db2command.EnumDB2CommandType;

/** A command whose native steps follow a script ("setupData=fail;call=db2"). */
final class ScriptedCommand extends DB2Command {
    /** The probe's code for a scripted command served with any client. */
    static final int ANY_CLIENT = 9001;
    /** The probe's code for a scripted command served only with an 8.0 or later client. */
    static final int VERSION_8 = 9002;

    private final EnumDB2CommandType type;
    private final String script;

    ScriptedCommand(int code, String script) {
        this.type = code == Integer.MIN_VALUE ? null : new TestCommandType(code);
        this.script = script;
    }

    ScriptedCommand(String script) {
        this(ANY_CLIENT, script);
    }

    /** A command whose getType() answers null. */
    static ScriptedCommand withoutType() {
        return new ScriptedCommand(Integer.MIN_VALUE, "");
    }

    @Override
    public EnumDB2CommandType getType() {
        return type;
    }

    public String getScript() {
        return script;
    }

    /** Codes outside the Java enum's own list. */
    static final class TestCommandType extends EnumDB2CommandType {
        TestCommandType(int code) {
            super(code, "TEST_" + code);
        }
    }
}
