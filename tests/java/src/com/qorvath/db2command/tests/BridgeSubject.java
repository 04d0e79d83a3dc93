package com.qorvath.db2command.tests;

import java.util.ArrayList;
import java.util.Collection;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

/** A Java object for the bridge probe to call: fixed answers, settable ones, and a call count. */
public class BridgeSubject {
    static final String CLASS = "com/qorvath/db2command/tests/BridgeSubject";

    int calls;
    int lastNumber;
    String lastText;
    Integer boxedInt;
    Boolean boxedBool;
    Double boxedDouble;
    BridgeColour colour;
    String name = "subject";
    BridgeSubject child;
    final List<String> items = new ArrayList<>();
    final Map<String, Integer> entries = new HashMap<>();

    public int getNumber() {
        calls++;
        return 42;
    }

    public double getRatio() {
        calls++;
        return 2.5;
    }

    public boolean isReady() {
        calls++;
        return true;
    }

    public String getName() {
        calls++;
        return name;
    }

    public String echo(String text) {
        calls++;
        return "[" + text + "]";
    }

    public String describe(int value) {
        calls++;
        return "int " + value;
    }

    public String describe(int value, double number) {
        calls++;
        return "int " + value + " double " + number;
    }

    public void touch() {
        calls++;
    }

    public void setNumber(int value) {
        calls++;
        lastNumber = value;
    }

    public void setText(String text) {
        calls++;
        lastText = text;
    }

    public Integer getBoxedInt() {
        calls++;
        return boxedInt;
    }

    public Boolean getBoxedBool() {
        calls++;
        return boxedBool;
    }

    public Double getBoxedDouble() {
        calls++;
        return boxedDouble;
    }

    public BridgeColour getColour() {
        calls++;
        return colour;
    }

    public Collection<String> getItems() {
        calls++;
        return items;
    }

    public Object get(Object key) {
        calls++;
        return entries.get(key);
    }

    public BridgeSubject getChild() {
        calls++;
        return child;
    }

    public String fail() {
        calls++;
        throw new IllegalStateException("boom");
    }

    public String getAllParameters(double version, boolean isInstance) {
        calls++;
        return "all " + version + " " + isInstance;
    }

    public String getParameter(double version, boolean isInstance, String name) {
        calls++;
        return "named " + version + " " + isInstance + " " + name;
    }

    public String getParameter(double version, int token) {
        calls++;
        return "token " + version + " " + token;
    }

    public String getParameterTranslationValue(double version, int token, String value) {
        calls++;
        return "translate " + version + " " + token + " " + value;
    }
}
