package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.*;

import com.qorvath.db2command.DB2CommandAddDBPartNum;
import com.qorvath.db2command.DB2CommandConnect;
import com.qorvath.db2command.DB2CommandDropDBPartNumVerify;
import com.qorvath.db2command.DB2CommandRedistributeDBPartGroup;
import com.qorvath.db2command.DB2CommandRedistributeDBPartGroup.EnumRedistributeOption;
import com.qorvath.db2sim.Db2Sim;
import java.sql.SQLException;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;

/**
 * Add partition, drop-partition verify and redistribute. The stand-in is a single-partition
 * instance, so DB2's answer may be a refusal; what these tests pin is what DB2 was handed.
 */
class DatabasePartitionTest extends Session {
    @BeforeEach
    void fresh() {
        oneBoxPerRun = true;
        begin();
    }

    @AfterEach
    void nothingLeaks() throws SQLException {
        endAll();
    }

    static DB2CommandAddDBPartNum add(Integer partition, boolean withoutTablespaces) {
        DB2CommandAddDBPartNum command = new DB2CommandAddDBPartNum();
        command.setDbPartitionNum(partition);
        command.setWithoutTablespaces(withoutTablespaces);
        return command;
    }

    @Test
    void addTableSpaceOptions() {
        // The flag is set but not read when a partition is given.
        assertContains(handed(add(4, true), "sqleaddn_api"), "sqladdid=\"SQLADD01\"",
                "tblspace_type=1", "tblspace_node=4");
        assertContains(handed(add(null, false), "sqleaddn_api"), "tblspace_type=2",
                "tblspace_node=-1");
        assertContains(handed(add(null, true), "sqleaddn_api"), "tblspace_type=0");
        assertEquals(0, Db2Sim.liveContexts(), "the private context is ended");
    }

    @Test
    void dropVerifyAsksWithAction1AndNoParameterAndMissingIsNoSuchFunction() {
        assertContains(handed(new DB2CommandDropDBPartNumVerify(), "sqledrpn_api"), "Action=1",
                "pReserved=null");
        Db2Sim.injectMissing("sqledrpn_api", 0);
        assertEquals("Call DB2 API fail, no such function",
                failure(new DB2CommandDropDBPartNumVerify()));
    }

    static DB2CommandRedistributeDBPartGroup redistribute(EnumRedistributeOption option) {
        DB2CommandRedistributeDBPartGroup command = new DB2CommandRedistributeDBPartGroup();
        command.setDbPartitionGroup("IBMDEFAULTGROUP");
        command.setTargetMap("");
        command.setDistFile("");
        command.setRedistributeOption(option);
        return command;
    }

    @Test
    void redistributeNeedsAConnectionAndSendsTheOptionLetter() throws SQLException {
        Db2Sim.clearJournal();
        assertEquals("Error: This command requires database connection!",
                failure(redistribute(EnumRedistributeOption.UNIFORM)));
        assertEquals(0, Db2Sim.journal("sqludrdt_api").length);
        assertTrue(run(new DB2CommandConnect("SAMPLE", "", "")));
        assertContains(handed(redistribute(EnumRedistributeOption.UNIFORM), "sqludrdt_api"),
                "pNodeGroupName=\"IBMDEFAULTGROUP\"", "pTargetPMapFileName=null",
                "pDataDistFileName=null", "AddCount=0", "DropCount=0", "DataRedistOption=85");
        assertContains(handed(redistribute(null), "sqludrdt_api"), "DataRedistOption=0");
    }
}
