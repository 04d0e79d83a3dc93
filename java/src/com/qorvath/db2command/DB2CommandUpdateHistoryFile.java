package com.qorvath.db2command;

/**
 * Changes the location, device type, comment or status of one entry of the recovery history of
 * the connected database.
 *
 * <p>The entry is named by its id, or, when the id is 0 or null, by its object part (time stamp
 * and sequence number, such as 20261207220000001); an object part that names no entry fails and
 * changes nothing.
 */
public class DB2CommandUpdateHistoryFile extends DB2Command {
    private String newLocation;
    private String newDeviceTypeValue;
    private String newComment;
    private String newStatusValue;
    private String objectPart;
    private Integer eid;

    /** Creates the command with every parameter unset. */
    public DB2CommandUpdateHistoryFile() {}

    /**
     * Returns {@link EnumDB2CommandType#UPDATEHISTORYFILE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.UPDATEHISTORYFILE;
    }

    /**
     * Returns the new location; null or empty leaves it.
     *
     * @return the value
     */
    public String getNewLocation() {
        return newLocation;
    }

    /**
     * Sets the new location; null or empty leaves it.
     *
     * @param newLocation the value
     */
    public void setNewLocation(String newLocation) {
        this.newLocation = newLocation;
    }

    /**
     * Returns the new device type letter; null or empty leaves it.
     *
     * @return the value
     */
    public String getNewDeviceTypeValue() {
        return newDeviceTypeValue;
    }

    /**
     * Sets the new device type letter; null or empty leaves it.
     *
     * @param newDeviceTypeValue the value
     */
    public void setNewDeviceTypeValue(String newDeviceTypeValue) {
        this.newDeviceTypeValue = newDeviceTypeValue;
    }

    /**
     * Returns the new comment; null or empty leaves it.
     *
     * @return the value
     */
    public String getNewComment() {
        return newComment;
    }

    /**
     * Sets the new comment; null or empty leaves it.
     *
     * @param newComment the value
     */
    public void setNewComment(String newComment) {
        this.newComment = newComment;
    }

    /**
     * Returns the new status letter; null or empty leaves it.
     *
     * @return the value
     */
    public String getNewStatusValue() {
        return newStatusValue;
    }

    /**
     * Sets the new status letter; null or empty leaves it.
     *
     * @param newStatusValue the value
     */
    public void setNewStatusValue(String newStatusValue) {
        this.newStatusValue = newStatusValue;
    }

    /**
     * Returns the object part naming the entry when the id is 0.
     *
     * @return the value
     */
    public String getObjectPart() {
        return objectPart;
    }

    /**
     * Sets the object part naming the entry when the id is 0.
     *
     * @param objectPart the value
     */
    public void setObjectPart(String objectPart) {
        this.objectPart = objectPart;
    }

    /**
     * Returns the entry id; null or 0 to name the entry by its object part.
     *
     * @return the value
     */
    public Integer getEid() {
        return eid;
    }

    /**
     * Sets the entry id; null or 0 to name the entry by its object part.
     *
     * @param eid the value
     */
    public void setEid(Integer eid) {
        this.eid = eid;
    }
}
