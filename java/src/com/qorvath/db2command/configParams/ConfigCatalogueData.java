package com.qorvath.db2command.configParams;

/**
 * The configuration parameters DB2 knows, as tab-separated text read once by {@link
 * ConfigCatalogue}.
 *
 * <p>The build packs only Java sources into the jar, so the table lives here as text rather than
 * in a resource file. Each {@link #PARAMETERS} line: level (DBM or DB), name, token, data type,
 * characters (char only, else -), first release (- for any), release it was dropped in (- for
 * none), ro or rw, word list (- for none), brief. A parameter whose token changed between
 * releases has one line per token; their release ranges must not overlap. Each {@link #WORDS}
 * line: list name, then code=word pairs separated by |.
 */
final class ConfigCatalogueData {
    /** One line per parameter and token. */
    static final String PARAMETERS = """
        DBM\trqrioblk\t1\tuint16\t-\t-\t-\trw\t-\tBlock size of the client's buffer for remote requests (bytes)
        DBM\tnumdb\t6\tuint16\t-\t-\t-\trw\t-\tMost databases that may be active at once
        DBM\tmaxagents\t12\tuint32\t-\t-\t9.5\trw\t-\tMost agents the instance may run at once
        DBM\tmaxcagents\t13\tsint32\t-\t-\t9.5\trw\tcagents\tMost agents that may run a transaction at once
        DBM\taslheapsz\t15\tuint32\t-\t-\t-\trw\t-\tHeap shared by a local application and its agent (4 KB pages)
        DBM\tsheapthres\t21\tuint32\t-\t-\t-\trw\t-\tInstance-wide threshold for sort memory (4 KB pages)
        DBM\tsvcename\t24\tchar\t14\t-\t-\trw\t-\tTCP/IP service name or port the server listens on
        DBM\tdftdbpath\t27\tchar\t215\t-\t-\trw\t-\tDefault path for new databases
        DBM\tdft_monswitches\t29\tuint16\t-\t-\t-\trw\t-\tAll default monitor switches as one bit mask
        DBM\tdft_mon_uow\t30\tuint16\t-\t-\t-\trw\tonoff\tDefault monitor switch for units of work
        DBM\tdft_mon_stmt\t31\tuint16\t-\t-\t-\trw\tonoff\tDefault monitor switch for statements
        DBM\tdft_mon_table\t32\tuint16\t-\t-\t-\trw\tonoff\tDefault monitor switch for tables
        DBM\tdft_mon_bufpool\t33\tuint16\t-\t-\t-\trw\tonoff\tDefault monitor switch for buffer pools
        DBM\tdft_mon_lock\t34\tuint16\t-\t-\t-\trw\tonoff\tDefault monitor switch for locks
        DBM\tdft_mon_sort\t35\tuint16\t-\t-\t-\trw\tonoff\tDefault monitor switch for sorts
        DBM\tdft_mon_timestamp\t36\tuint16\t-\t-\t-\trw\tonoff\tDefault monitor switch for timestamps
        DBM\tsysadm_group\t39\tchar\t16\t-\t8.2\trw\t-\tGroup with system administration authority
        DBM\tsysadm_group\t844\tchar\t128\t8.2\t-\trw\t-\tGroup with system administration authority
        DBM\tdir_cache\t40\tuint16\t-\t-\t-\trw\tyesno\tKeep directory information in memory
        DBM\tquery_heap_sz\t49\tsint32\t-\t-\t-\trw\t-\tLargest query heap of one application (4 KB pages)
        DBM\tagent_stack_sz\t61\tuint16\t-\t-\t-\trw\t-\tStack size of an agent (4 KB pages)
        DBM\tsysmaint_group\t62\tchar\t16\t-\t8.2\trw\t-\tGroup with system maintenance authority
        DBM\tsysmaint_group\t845\tchar\t128\t8.2\t-\trw\t-\tGroup with system maintenance authority
        DBM\tsysctrl_group\t63\tchar\t16\t-\t8.2\trw\t-\tGroup with system control authority
        DBM\tsysctrl_group\t846\tchar\t128\t8.2\t-\trw\t-\tGroup with system control authority
        DBM\tsysmon_group\t847\tchar\t128\t8.2\t-\trw\t-\tGroup with system monitor authority
        DBM\tdiaglevel\t64\tuint16\t-\t-\t-\trw\tdiaglevel\tHow much the diagnostic log records
        DBM\tdiagpath\t65\tchar\t215\t-\t-\trw\t-\tFolder of the diagnostic log
        DBM\tauthentication\t78\tuint16\t-\t-\t-\trw\tauth\tWhere and how users are authenticated
        DBM\tmon_heap_sz\t79\tuint16\t-\t-\t-\trw\t-\tMemory for the database monitor (4 KB pages)
        DBM\tkeepfenced\t81\tuint16\t-\t-\t-\trw\tyesno\tKeep fenced routine processes after use
        DBM\tnodetype\t100\tuint16\t-\t-\t-\tro\tnodetype\tKind of installation (server, client, partitioned)
        DBM\trelease\t101\tuint16\t-\t-\t-\tro\t-\tRelease level of the configuration file
        DBM\tintra_parallel\t306\tsint16\t-\t-\t-\trw\tintrapar\tRun parts of one query in parallel
        DBM\tjava_heap_sz\t310\tsint32\t-\t-\t-\trw\t-\tHeap of the Java interpreter for routines (4 KB pages)
        DBM\tmax_coordagents\t501\tsint32\t-\t-\t-\trw\tcoordagents\tMost coordinating agents at once
        DBM\tnum_poolagents\t502\tsint32\t-\t-\t-\trw\tpoolagents\tIdle agents kept in the agent pool
        DBM\tfederated\t604\tsint16\t-\t-\t-\trw\tyesno\tAllow access to federated data sources
        DBM\tinstance_memory\t803\tuint64\t-\t-\t-\trw\t-\tMemory reserved for the instance (4 KB pages)
        DBM\thealth_mon\t804\tuint16\t-\t-\t-\trw\tonoff\tHealth monitoring of the instance
        DB\tlocklist\t1\tuint16\t-\t-\t8.0\trw\t-\tMemory for the lock list (4 KB pages)
        DB\tlocklist\t704\tuint64\t-\t8.0\t-\trw\t-\tMemory for the lock list (4 KB pages)
        DB\tmaxappls\t6\tuint16\t-\t-\t-\trw\t-\tMost applications connected at once
        DB\tdlchktime\t9\tuint32\t-\t-\t-\trw\t-\tInterval between deadlock checks (ms)
        DB\tmaxlocks\t15\tuint16\t-\t-\t-\trw\t-\tShare of the lock list one application may hold before escalation (%)
        DB\tlogprimary\t16\tuint16\t-\t-\t-\trw\t-\tNumber of primary log files
        DB\tlogsecond\t17\tuint16\t-\t-\t-\trw\t-\tNumber of secondary log files
        DB\tlogfilsiz\t18\tuint16\t-\t-\t8.0\trw\t-\tSize of one log file (4 KB pages)
        DB\tlogfilsiz\t92\tuint32\t-\t8.0\t-\trw\t-\tSize of one log file (4 KB pages)
        DB\tnewlogpath\t20\tchar\t242\t-\t-\trw\t-\tLog folder to use from the next start
        DB\tlogretain\t23\tuint16\t-\t-\t-\trw\tlogretain\tKeep log files for roll-forward recovery
        DB\tuserexit\t24\tuint16\t-\t-\t-\trw\tonoff\tArchive log files through the user exit
        DB\tlogbufsz\t33\tuint16\t-\t-\t-\trw\t-\tLog buffer size (4 KB pages)
        DB\tlocktimeout\t34\tsint16\t-\t-\t-\trw\t-\tSeconds to wait for a lock; -1 waits for ever
        DB\tnum_iocleaners\t37\tuint16\t-\t-\t-\trw\t-\tNumber of asynchronous page cleaners
        DB\tnum_ioservers\t39\tuint16\t-\t-\t-\trw\t-\tNumber of I/O servers for prefetching
        DB\tdbheap\t50\tuint16\t-\t-\t8.0\trw\t-\tDatabase heap (4 KB pages)
        DB\tdbheap\t58\tuint64\t-\t8.0\t-\trw\t-\tDatabase heap (4 KB pages)
        DB\tapplheapsz\t51\tuint16\t-\t-\t-\trw\t-\tHeap of one application (4 KB pages)
        DB\tsortheap\t91\tuint16\t-\t-\t8.0\trw\t-\tMemory for one sort (4 KB pages)
        DB\tsortheap\t52\tuint32\t-\t8.0\t-\trw\t-\tMemory for one sort (4 KB pages)
        DB\tstmtheap\t53\tuint16\t-\t-\t8.2\trw\t-\tHeap for compiling one statement (4 KB pages)
        DB\tstmtheap\t821\tuint32\t-\t8.2\t-\trw\t-\tHeap for compiling one statement (4 KB pages)
        DB\tpckcachesz\t31\tuint16\t-\t-\t8.0\trw\t-\tPackage cache size (4 KB pages)
        DB\tpckcachesz\t505\tuint32\t-\t8.0\t-\trw\t-\tPackage cache size (4 KB pages)
        DB\tutil_heap_sz\t55\tuint32\t-\t-\t-\trw\t-\tHeap for utilities such as backup and load (4 KB pages)
        DB\tcatalogcache_sz\t56\tsint32\t-\t-\t-\trw\tcatcache\tCatalog cache size (4 KB pages)
        DB\tdft_queryopt\t57\tsint32\t-\t-\t-\trw\t-\tDefault query optimisation class
        DB\tcodepage\t101\tuint16\t-\t-\t-\tro\t-\tCode page of the database
        DB\trelease\t102\tuint16\t-\t-\t-\tro\t-\tRelease level of the configuration file
        DB\tlogpath\t103\tchar\t242\t-\t-\tro\t-\tFolder of the active log files
        DB\tbackup_pending\t112\tuint16\t-\t-\t-\tro\tyesno\tA backup must be taken before the database can be used
        DB\trollfwd_pending\t113\tuint16\t-\t-\t-\tro\trollfwd\tRoll-forward recovery is pending
        DB\tlog_retain_status\t114\tuint16\t-\t-\t-\tro\tyesno\tLog files are being retained
        DB\tuser_exit_status\t115\tuint16\t-\t-\t-\tro\tyesno\tThe user exit archives log files
        DB\tcodeset\t120\tchar\t17\t-\t-\tro\t-\tCode set of the database
        DB\tterritory\t121\tchar\t33\t-\t-\tro\t-\tTerritory of the database
        DB\tdatabase_level\t124\tuint16\t-\t-\t-\tro\t-\tRelease level of the database
        DB\ttrackmod\t703\tuint16\t-\t-\t-\trw\tonoff\tTrack changed pages for incremental backup
        DB\tdatabase_memory\t803\tuint64\t-\t-\t-\trw\t-\tShared memory of the database (4 KB pages)
        DB\tlogarchmeth1\t822\tchar\t252\t8.2\t-\trw\t-\tFirst method for archiving log files
        DB\tlogarchmeth2\t823\tchar\t252\t8.2\t-\trw\t-\tSecond method for archiving log files
        DB\tauto_maint\t831\tuint16\t-\t8.2\t-\trw\tonoff\tAutomatic maintenance, the master switch
        DB\tauto_db_backup\t833\tuint16\t-\t8.2\t-\trw\tonoff\tAutomatic database backups
        DB\tauto_tbl_maint\t835\tuint16\t-\t8.2\t-\trw\tonoff\tAutomatic table maintenance
        DB\tauto_runstats\t837\tuint16\t-\t8.2\t-\trw\tonoff\tAutomatic statistics collection
        DB\tauto_reorg\t841\tuint16\t-\t8.2\t-\trw\tonoff\tAutomatic reorganisation
        DB\tself_tuning_mem\t848\tuint32\t-\t9.0\t-\trw\tonoff\tSelf-tuning memory manager
        """;

    /** Coded values and the words DB2 users know them by. */
    static final String WORDS = """
        onoff\t0=OFF|1=ON
        yesno\t0=NO|1=YES
        auth\t0=SERVER|1=CLIENT|2=DCS|3=DCE|4=SERVER_ENCRYPT|5=DCS_ENCRYPT|6=DCE_SERVER_ENCRYPT|7=KERBEROS|8=KRB_SERVER_ENCRYPT|9=GSSPLUGIN|10=GSS_SERVER_ENCRYPT|11=DATA_ENCRYPT|12=DATA_ENCRYPT_CMP|255=NOT_SPECIFIED
        diaglevel\t0=0 (no diagnostics)|1=1 (severe errors)|2=2 (all errors)|3=3 (errors and warnings)|4=4 (errors, warnings and information)
        intrapar\t-1=SYSTEM|0=NO|1=YES
        logretain\t0=OFF|1=RECOVERY|2=CAPTURE
        rollfwd\t0=NO|1=DATABASE|2=TABLESPACE
        nodetype\t0=Stand-alone server with local clients|1=Server with local and remote clients|2=Client|3=Stand-alone server with local and remote clients|4=Partitioned server with local and remote clients|5=Satellite server with local clients
        catcache\t-1=(MAXAPPLS*4)
        coordagents\t-1=(MAXAGENTS - NUM_INITAGENTS)
        poolagents\t-1=(MAXAGENTS/2)
        cagents\t-1=MAX_COORDAGENTS
        """;

    private ConfigCatalogueData() {}
}
