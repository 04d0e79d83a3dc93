package com.qorvath.db2command.console;

import com.qorvath.db2command.monitor.MonitorElement;
import com.qorvath.db2command.util.DB2APIDataContainer;
import java.util.ArrayList;
import java.util.HashSet;
import java.util.LinkedHashMap;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;

/**
 * Shows a decoded monitor snapshot as tables or as JSON.
 *
 * <p>Tables: one per kind of group, titled by its path ({@code collected/appl/appl_info}); each
 * group of that kind is a row and its values (timestamps as ISO-8601 instants) are the columns.
 * A group of differently named flat groups, such as the switch list, is one table with a row
 * per member. JSON: groups are objects, names that repeat in a group become arrays, numbers stay
 * numbers and timestamps are ISO-8601 strings.
 */
public final class SnapshotView {
    private static final String MEMBER_COLUMN = "element";

    private SnapshotView() {}

    /** One table: its columns in first-seen order and its rows by column. */
    private static final class Section {
        final Set<String> columns = new LinkedHashSet<>();
        final List<Map<String, String>> rows = new ArrayList<>();

        void add(Map<String, String> row) {
            columns.addAll(row.keySet());
            rows.add(row);
        }
    }

    /**
     * Renders the snapshot as titled tables.
     *
     * @param top the decoded snapshot
     * @return the tables, each after its title line and followed by an empty line
     */
    public static String tables(MonitorElement top) {
        Map<String, Section> sections = new LinkedHashMap<>();
        walk(top, top.name(), sections);
        StringBuilder text = new StringBuilder();
        sections.forEach((title, section) -> {
            DB2APIDataContainer table = new DB2APIDataContainer();
            List<String> columns = new ArrayList<>(section.columns);
            columns.forEach(table::addColumn);
            for (Map<String, String> row : section.rows) {
                table.newRow();
                for (int i = 0; i < columns.size(); i++) {
                    table.setColumnValue(i + 1, row.getOrDefault(columns.get(i), ""));
                }
            }
            text.append(title).append('\n').append(table.toTable()).append('\n');
        });
        return text.toString();
    }

    private static void walk(MonitorElement group, String path, Map<String, Section> sections) {
        if (isMemberList(group)) {
            Section section = sections.computeIfAbsent(path, p -> new Section());
            for (MonitorElement member : group.children()) {
                Map<String, String> row = new LinkedHashMap<>();
                row.put(MEMBER_COLUMN, member.name());
                row.putAll(values(member));
                section.add(row);
            }
            return;
        }
        Map<String, String> row = values(group);
        if (!row.isEmpty()) {
            sections.computeIfAbsent(path, p -> new Section()).add(row);
        }
        for (MonitorElement child : group.children()) {
            if (child.isGroup() && !child.isTimestamp()) {
                walk(child, path + "/" + child.name(), sections);
            }
        }
    }

    /** The values of a group: its base elements and timestamps, by name. */
    private static Map<String, String> values(MonitorElement group) {
        Map<String, String> row = new LinkedHashMap<>();
        for (MonitorElement child : group.children()) {
            if (!child.isGroup() || child.isTimestamp()) {
                String text = child.text();
                row.putIfAbsent(child.name(), text == null ? "" : text);
            }
        }
        return row;
    }

    /** A group holding only groups, each flat and each named differently: the switch list. */
    private static boolean isMemberList(MonitorElement group) {
        if (group.children().size() < 2) {
            return false;
        }
        Set<String> names = new HashSet<>();
        for (MonitorElement member : group.children()) {
            if (!member.isGroup() || member.isTimestamp() || !names.add(member.name())) {
                return false;
            }
            for (MonitorElement value : member.children()) {
                if (value.isGroup() && !value.isTimestamp()) {
                    return false;
                }
            }
        }
        return true;
    }

    /**
     * Renders the snapshot as one JSON object on one line: {@code {"collected": {...}}}.
     *
     * @param top the decoded snapshot
     * @return the object
     */
    public static String json(MonitorElement top) {
        StringBuilder out = new StringBuilder("{");
        out.append(Json.string(top.name())).append(':');
        value(top, out);
        return out.append('}').toString();
    }

    private static void value(MonitorElement element, StringBuilder out) {
        if (element.isTimestamp() || !element.isGroup()) {
            Object value = element.value();
            if (value instanceof Number && !element.isTimestamp()) {
                out.append(value);
            } else {
                out.append(Json.string(element.text()));
            }
            return;
        }
        Map<String, List<MonitorElement>> members = new LinkedHashMap<>();
        for (MonitorElement child : element.children()) {
            members.computeIfAbsent(child.name(), n -> new ArrayList<>()).add(child);
        }
        out.append('{');
        boolean first = true;
        for (Map.Entry<String, List<MonitorElement>> member : members.entrySet()) {
            out.append(first ? "" : ",").append(Json.string(member.getKey())).append(':');
            first = false;
            List<MonitorElement> all = member.getValue();
            if (all.size() == 1) {
                value(all.get(0), out);
                continue;
            }
            out.append('[');
            for (int i = 0; i < all.size(); i++) {
                out.append(i == 0 ? "" : ",");
                value(all.get(i), out);
            }
            out.append(']');
        }
        out.append('}');
    }
}
