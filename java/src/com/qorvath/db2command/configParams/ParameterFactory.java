package com.qorvath.db2command.configParams;

import java.util.Collection;

/**
 * Supplies the configuration parameters a DB2 release knows, for the native configuration
 * commands.
 *
 * <p>The configuration command classes implement this interface; the native library calls these
 * methods on the command object. The defaults answer from {@link ConfigCatalogue#standard()}; a
 * class may override them to offer another catalogue. Versions may be given short (9.7), with
 * revision (9.0704) or as the major number alone (9.0); 0 stands for the newest release.
 */
public interface ParameterFactory {
    /**
     * Lists the parameters of one level.
     *
     * @param version the DB2 version
     * @param instanceLevel true for the database manager, false for a database
     * @return the parameters in catalogue order, never null
     */
    default Collection<ConfigParameter> getAllParameters(double version, boolean instanceLevel) {
        return ConfigCatalogue.standard().getAllParameters(version, instanceLevel);
    }

    /**
     * Finds a parameter by name, ignoring case.
     *
     * @param version the DB2 version
     * @param instanceLevel true for the database manager, false for a database
     * @param name the parameter's name
     * @return the parameter, or null when unknown
     */
    default ConfigParameter getParameter(double version, boolean instanceLevel, String name) {
        return ConfigCatalogue.standard().findByName(version, instanceLevel, name);
    }

    /**
     * Finds a parameter by token: a database parameter first, else a database-manager one.
     *
     * @param version the DB2 version
     * @param token the token
     * @return the parameter, or null when unknown
     */
    default ConfigParameter getParameter(double version, int token) {
        return ConfigCatalogue.standard().findByToken(version, token);
    }

    /**
     * Finds a parameter of one level by token.
     *
     * @param version the DB2 version
     * @param instanceLevel true for the database manager, false for a database
     * @param token the token
     * @return the parameter, or null when unknown
     */
    default ConfigParameter getParameter(double version, boolean instanceLevel, int token) {
        return ConfigCatalogue.standard().findByToken(version, instanceLevel, token);
    }

    /**
     * Turns a coded value into words, such as 0 into "SERVER" for authentication.
     *
     * @param version the DB2 version
     * @param token the parameter's token
     * @param value the value as text
     * @return the text to show: the words, or the value unchanged; "" for null
     */
    default String getParameterTranslationValue(double version, int token, String value) {
        return ConfigCatalogue.standard().translate(version, token, value);
    }

    /**
     * Turns a coded value of one level's parameter into words.
     *
     * @param version the DB2 version
     * @param instanceLevel true for the database manager, false for a database
     * @param token the parameter's token
     * @param value the value as text
     * @return the text to show: the words, or the value unchanged; "" for null
     */
    default String getParameterTranslationValue(
            double version, boolean instanceLevel, int token, String value) {
        return ConfigCatalogue.standard().translate(version, instanceLevel, token, value);
    }
}
