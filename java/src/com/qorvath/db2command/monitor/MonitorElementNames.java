package com.qorvath.db2command.monitor;

import java.util.HashMap;
import java.util.Map;

/**
 * DB2's names of monitor elements by element id: the logical groups, the timestamps and the
 * common data elements, in lower case as DB2's documentation writes them.
 */
public final class MonitorElementNames {
    private static final Map<Integer, String> NAMES = new HashMap<>();
    private static final Map<String, Integer> IDS = new HashMap<>();

    static {
        put(1, "db2");
        put(2, "fcm");
        put(3, "fcm_node");
        put(4, "appl_info");
        put(5, "appl");
        put(6, "dcs_appl_info");
        put(7, "dcs_appl");
        put(8, "dcs_stmt");
        put(9, "subsection");
        put(10, "agent");
        put(11, "lock_wait");
        put(12, "dcs_dbase");
        put(13, "dbase");
        put(14, "rollforward");
        put(15, "table");
        put(16, "lock");
        put(17, "tablespace");
        put(18, "bufferpool");
        put(19, "dynsql");
        put(20, "collected");
        put(21, "switch_list");
        put(22, "uow_sw");
        put(23, "statement_sw");
        put(24, "table_sw");
        put(25, "buffpool_sw");
        put(26, "lock_sw");
        put(27, "sort_sw");
        put(28, "table_list");
        put(29, "tablespace_list");
        put(30, "dynsql_list");
        put(31, "appl_lock_list");
        put(32, "db_lock_list");
        put(33, "stmt");
        put(34, "dbase_remote");
        put(35, "appl_remote");
        put(36, "appl_id_info");
        put(37, "stmt_transmissions");
        put(38, "timestamp_sw");
        put(39, "table_reorg");
        put(40, "memory_pool");
        put(41, "tablespace_quiescer");
        put(42, "tablespace_container");
        put(43, "tablespace_range");
        put(44, "tablespace_range_container");
        put(45, "tablespace_nodeinfo");
        put(46, "health_indicator");
        put(47, "health_indicator_hist");
        put(48, "bufferpool_nodeinfo");
        put(49, "utility");
        put(50, "hi_obj_list");
        put(51, "hi_obj_list_hist");
        put(52, "progress");
        put(53, "progress_list");
        put(54, "hadr");
        put(55, "detail_log");
        put(56, "rollback_progress");
        put(57, "db_storage_group");
        put(200, "time_stamp");
        put(201, "status_change_time");
        put(202, "gw_con_time");
        put(203, "prev_uow_stop_time");
        put(204, "uow_start_time");
        put(205, "uow_stop_time");
        put(206, "stmt_start");
        put(207, "stmt_stop");
        put(208, "last_reset");
        put(209, "db2start_time");
        put(210, "db_conn_time");
        put(211, "last_backup");
        put(212, "lock_wait_start_time");
        put(213, "appl_con_time");
        put(214, "conn_complete_time");
        put(215, "disconn_time");
        put(216, "event_time");
        put(217, "start_time");
        put(218, "stop_time");
        put(219, "rf_timestamp");
        put(220, "conn_time");
        put(221, "first_overflow_time");
        put(222, "last_overflow_time");
        put(223, "gw_exec_time");
        put(224, "agent_usr_cpu_time");
        put(225, "agent_sys_cpu_time");
        put(226, "ss_usr_cpu_time");
        put(227, "ss_sys_cpu_time");
        put(228, "user_cpu_time");
        put(229, "total_exec_time");
        put(230, "switch_set_time");
        put(231, "elapsed_exec_time");
        put(300, "seconds");
        put(301, "microsec");
        put(302, "agent_id");
        put(303, "server_db2_type");
        put(304, "server_prdid");
        put(305, "server_nname");
        put(306, "server_instance_name");
        put(307, "node_number");
        put(308, "time_zone_disp");
        put(309, "server_version");
        put(310, "appl_status");
        put(311, "codepage_id");
        put(312, "stmt_text");
        put(313, "appl_name");
        put(314, "appl_id");
        put(315, "sequence_no");
        put(316, "auth_id");
        put(317, "client_nname");
        put(318, "client_prdid");
        put(319, "input_db_alias");
        put(320, "client_db_alias");
        put(321, "db_name");
        put(322, "db_path");
        put(323, "num_assoc_agents");
        put(324, "coord_node_num");
        put(325, "authority_lvl");
        put(326, "execution_id");
        put(327, "corr_token");
        put(328, "client_pid");
        put(329, "client_platform");
        put(330, "client_protocol");
        put(331, "territory_code");
        put(332, "coord_agent_pid");
        put(344, "output_state");
        put(345, "count");
        put(346, "rows_selected");
        put(347, "sql_stmts");
        put(348, "failed_sql_stmts");
        put(349, "commit_sql_stmts");
        put(350, "rollback_sql_stmts");
        put(355, "stmt_operation");
        put(358, "creator");
        put(359, "package_name");
        put(360, "appl_idle_time");
        put(361, "open_cursors");
        put(362, "uow_comp_status");
        put(367, "xid");
        put(380, "sort_heap_allocated");
        put(387, "local_cons");
        put(388, "local_cons_in_exec");
        put(389, "con_local_dbases");
        put(390, "agents_registered");
        put(391, "agents_waiting_on_token");
        put(392, "db2_status");
        put(393, "agents_registered_top");
        put(394, "agents_waiting_top");
        put(395, "comm_private_mem");
        put(396, "idle_agents");
        put(397, "agents_from_pool");
        put(398, "agents_created_empty_pool");
        put(399, "agents_top");
        put(400, "coord_agents_top");
        put(401, "max_agent_overflows");
        put(402, "agents_stolen");
        put(403, "product_name");
        put(404, "component_id");
        put(405, "service_level");
        put(419, "locks_held");
        put(420, "lock_waits");
        put(421, "lock_wait_time");
        put(422, "lock_list_in_use");
        put(423, "deadlocks");
        put(424, "lock_escals");
        put(425, "x_lock_escals");
        put(426, "locks_waiting");
        put(427, "total_sorts");
        put(428, "total_sort_time");
        put(429, "sort_overflows");
        put(430, "active_sorts");
        put(431, "pool_data_l_reads");
        put(432, "pool_data_p_reads");
        put(433, "pool_data_writes");
        put(434, "pool_index_l_reads");
        put(435, "pool_index_p_reads");
        put(436, "pool_index_writes");
        put(437, "pool_read_time");
        put(438, "pool_write_time");
        put(439, "files_closed");
        put(440, "dynamic_sql_stmts");
        put(441, "static_sql_stmts");
        put(442, "select_sql_stmts");
        put(443, "ddl_sql_stmts");
        put(444, "uid_sql_stmts");
        put(451, "rows_deleted");
        put(452, "rows_inserted");
        put(453, "rows_updated");
        put(454, "binds_precompiles");
        put(455, "locks_held_top");
        put(456, "num_nodes_in_db2_instance");
        put(457, "total_cons");
        put(458, "appls_cur_cons");
        put(459, "appls_in_db2");
        put(460, "sec_log_used_top");
        put(461, "tot_log_used_top");
        put(462, "sec_logs_allocated");
        put(468, "db_status");
        put(469, "lock_timeouts");
        put(470, "connections_top");
        put(471, "db_heap_top");
        put(488, "log_reads");
        put(489, "log_writes");
        put(490, "pkg_cache_lookups");
        put(491, "pkg_cache_inserts");
        put(492, "cat_cache_lookups");
        put(493, "cat_cache_inserts");
        put(496, "catalog_node");
        put(498, "db_location");
        put(499, "server_platform");
        put(500, "catalog_node_name");
        put(522, "rows_read");
        put(523, "rows_written");
        put(527, "num_agents");
        put(549, "agent_pid");
        put(550, "lock_escalation");
        put(552, "lock_mode");
        put(553, "lock_object_type");
        put(554, "num_executions");
        put(555, "table_name");
        put(556, "table_schema");
        put(557, "tablespace_name");
        put(558, "agent_id_holding_lk");
        put(559, "appl_id_holding_lk");
        put(561, "table_file_id");
        put(562, "table_type");
        put(566, "lock_status");
        put(567, "lock_object_name");
        put(572, "bp_name");
        put(584, "uow_status");
        put(599, "total_log_used");
        put(600, "total_log_available");
        put(605, "disconnects");
        put(686, "pool_id");
        put(687, "pool_cur_size");
        put(688, "pool_config_size");
        put(689, "pool_watermark");
        put(690, "tablespace_id");
        put(691, "tablespace_type");
        put(692, "tablespace_content_type");
        put(693, "tablespace_state");
        put(694, "tablespace_page_size");
        put(695, "tablespace_extent_size");
        put(696, "tablespace_prefetch_size");
        put(697, "tablespace_cur_pool_id");
        put(698, "tablespace_next_pool_id");
        put(699, "tablespace_total_pages");
        put(700, "tablespace_usable_pages");
        put(701, "tablespace_used_pages");
        put(702, "tablespace_free_pages");
        put(703, "tablespace_page_top");
        put(704, "tablespace_pending_free_pages");
        put(710, "tablespace_num_quiescers");
        put(711, "tablespace_state_change_object_id");
        put(712, "tablespace_state_change_ts_id");
        put(713, "tablespace_num_containers");
        put(714, "tablespace_num_ranges");
        put(720, "container_id");
        put(721, "container_type");
        put(722, "container_total_pages");
        put(723, "container_usable_pages");
        put(724, "container_stripe_set");
        put(725, "container_accessible");
        put(726, "container_name");
        put(739, "lock_name");
        put(740, "lock_count");
        put(741, "lock_hold_count");
        put(742, "lock_attributes");
        put(743, "lock_release_flags");
        put(744, "lock_current_mode");
        put(745, "tablespace_fs_caching");
        put(753, "bp_cur_buffsz");
        put(754, "bp_new_buffsz");
        put(769, "num_indoubt_trans");
        put(770, "utility_dbname");
        put(771, "utility_id");
        put(772, "utility_type");
        put(773, "utility_priority");
        put(774, "utility_start_time");
        put(775, "utility_description");
        put(777, "session_auth_id");
        put(797, "hadr_role");
        put(798, "hadr_state");
    }

    private MonitorElementNames() {}

    private static void put(int id, String name) {
        NAMES.put(id, name);
        IDS.put(name, id);
    }

    /**
     * Returns the name of an element id.
     *
     * @param id the element id
     * @return DB2's name, or {@code element_<id>} for an id not in the table
     */
    public static String name(int id) {
        String name = NAMES.get(id);
        return name != null ? name : "element_" + id;
    }

    /**
     * Returns the element id of a name.
     *
     * @param name a name {@link #name} gives
     * @return the id, or -1 for an unknown name
     */
    public static int id(String name) {
        Integer id = IDS.get(name);
        if (id != null) {
            return id;
        }
        if (name != null && name.startsWith("element_")) {
            try {
                return Integer.parseInt(name.substring("element_".length()));
            } catch (NumberFormatException e) {
                return -1;
            }
        }
        return -1;
    }
}
