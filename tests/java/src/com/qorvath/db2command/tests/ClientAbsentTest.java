package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.*;

import com.qorvath.db2command.DB2Command;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.EnumDB2CommandType;
import com.qorvath.db2command.jniutil.TarvinexUtil;
import com.qorvath.db2command.util.DB2APIDataContainer;
import java.sql.SQLException;
import org.junit.jupiter.api.Test;

/** The library loaded where no DB2 client library can be found (a JVM of its own). */
class ClientAbsentTest {
    @Test
    void clientVersionIsEmptyNotNull() {
        assertEquals("", TarvinexUtil.getClientVersion());
        assertEquals("", TarvinexUtil.getClientVersion(), "the load is not retried, nothing changes");
    }

    @Test
    void commandsStillAnswerWithSqlExceptions() {
        DB2Command cmd = new DB2Command() {
            @Override
            public EnumDB2CommandType getType() {
                return EnumDB2CommandType.ATTACH;
            }
        };
        SQLException e = assertThrows(SQLException.class, () -> TarvinexUtil.executeDB2Command(
                cmd, new DB2CommandRuntimeContext(), new DB2APIDataContainer()));
        assertEquals(false, e.getMessage().isEmpty());
    }
}
