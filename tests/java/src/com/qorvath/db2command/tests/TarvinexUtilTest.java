package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertSame;
import static org.junit.jupiter.api.Assertions.assertThrows;

import com.qorvath.db2command.DB2Command;
import com.qorvath.db2command.DB2CommandAttach;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.EnumDB2CommandType;
import com.qorvath.db2command.jniutil.TarvinexUtil;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2command.util.ServerVersion;
import com.qorvath.db2sim.Db2Sim;
import java.sql.SQLException;
import java.util.ArrayList;
import java.util.List;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;
import java.util.concurrent.Future;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;

/** The real library's entry points on the stand-in client. */
class TarvinexUtilTest {
    @BeforeEach
    void fresh() {
        Db2Sim.reset();
    }

    @AfterEach
    void nothingLeaks() {
        assertEquals(0, Db2Sim.liveContexts());
    }

    private static DB2Command commandWithCode(int code) {
        return new DB2Command() {
            @Override
            public EnumDB2CommandType getType() {
                return new EnumDB2CommandType(code, "TEST_" + code) {};
            }
        };
    }

    private static String failure(DB2Command cmd, DB2CommandRuntimeContext ctx, DB2APIDataContainer box) {
        return assertThrows(SQLException.class, () -> TarvinexUtil.executeDB2Command(cmd, ctx, box))
                .getMessage();
    }

    @Test
    void clientVersionComesFromTheProductSignature() {
        assertEquals("09074", TarvinexUtil.getClientVersion());
        Db2Sim.setProductSignature("SQL08020");
        assertEquals("08020", TarvinexUtil.getClientVersion());
        DB2CommandRuntimeContext context = new DB2CommandRuntimeContext();
        ServerVersion learned = context.getClientVersion();
        assertEquals(8, learned.getMajor());
        assertEquals(2, learned.getMinor());
    }

    @Test
    void clientVersionIsNeverNull() {
        Db2Sim.injectMissing("sqleGetCurrentCtx", 0);
        Db2Sim.injectError("sqleBeginCtx", -1445, "", 0);
        assertEquals("", TarvinexUtil.getClientVersion(), "no signature when nothing answered");
    }

    @Test
    void argumentChecksAndUnknownCodes() {
        DB2CommandRuntimeContext context = new DB2CommandRuntimeContext();
        DB2APIDataContainer box = new DB2APIDataContainer();
        assertEquals("command object is null!", failure(null, null, null));
        assertEquals("context object is null!", failure(commandWithCode(1), null, box));
        assertEquals("resultset object is null!", failure(commandWithCode(1), context, null));
        for (int code : new int[] {44, 75, 83, 0, -1}) {
            assertEquals("unknown command type!", failure(commandWithCode(code), context, box));
        }
        DB2Command noType = new DB2Command() {
            @Override
            public EnumDB2CommandType getType() {
                return null;
            }
        };
        assertEquals("get EnumDB2CommandType from DB2Command return null!", failure(noType, context, box));
    }

    /** A getter that throws as the call begins: its own exception reaches Java, no other. */
    @Test
    void aGetterThrowingAtTheEntryKeepsItsException() {
        IllegalStateException thrown = new IllegalStateException("from the getter");
        DB2CommandRuntimeContext contextThrows = new DB2CommandRuntimeContext() {
            @Override
            public synchronized int getDatabaseConnectionContext() {
                throw thrown;
            }
        };
        DB2CommandRuntimeContext versionThrows = new DB2CommandRuntimeContext() {
            @Override
            public ServerVersion getClientVersion() {
                throw thrown;
            }
        };
        DB2Command typeThrows = new DB2Command() {
            @Override
            public EnumDB2CommandType getType() {
                throw thrown;
            }
        };
        DB2APIDataContainer box = new DB2APIDataContainer();
        DB2Command attach = new DB2CommandAttach();
        assertSame(thrown, assertThrows(IllegalStateException.class,
                () -> TarvinexUtil.executeDB2Command(attach, contextThrows, box)));
        assertSame(thrown, assertThrows(IllegalStateException.class,
                () -> TarvinexUtil.executeDB2Command(attach, versionThrows, box)));
        assertSame(thrown, assertThrows(IllegalStateException.class,
                () -> TarvinexUtil.executeDB2Command(typeThrows, new DB2CommandRuntimeContext(), box)));
        assertEquals(0, Db2Sim.journal("sqleatin_api").length);
    }

    @Test
    void manyThreadsAtOnce() throws Exception {
        ExecutorService pool = Executors.newFixedThreadPool(8);
        try {
            List<Future<Integer>> results = new ArrayList<>();
            for (int t = 0; t < 8; t++) {
                results.add(pool.submit(() -> {
                    int good = 0;
                    for (int i = 0; i < 500; i++) {
                        if ("09074".equals(TarvinexUtil.getClientVersion())) {
                            good++;
                        }
                        try {
                            TarvinexUtil.executeDB2Command(commandWithCode(44),
                                    new DB2CommandRuntimeContext(), new DB2APIDataContainer());
                        } catch (SQLException expected) {
                            if (expected.getMessage().equals("unknown command type!")) {
                                good++;
                            }
                        }
                    }
                    return good;
                }));
            }
            for (Future<Integer> f : results) {
                assertEquals(1000, f.get());
            }
        } finally {
            pool.shutdown();
        }
    }
}
