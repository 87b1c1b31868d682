/*
 * The error codes of the property library vaprop32 and their texts, for C callers. The codes and texts
 * are those of the system's one table (codes/status_codes.h); the build checks that every enumerator
 * below names the code of its row there.
 *
 * Every failure of a property call is one of these negative whole numbers, returned in place of the
 * result double. Results at or below -1000 are codes; every property value lies above. The by-name
 * calls StmBatch and StmProp return the codes -3100 to -3400 when the call itself is refused.
 * The texts are those under which the add-ins and the command-line calculator report the codes.
 * This is a small static library of its own (target vaprop_errors), so every module that reports
 * codes compiles in the same table; it is not an export of vaprop32.
 */
#ifndef VAPROP_ERROR_CODES_H
#define VAPROP_ERROR_CODES_H

#ifdef __cplusplus
extern "C" {
#endif

enum VapropErrorCode {
    VAPROP_TEMPERATURE_TOO_HIGH = -1000,      /* "temperature too high" */
    VAPROP_INVALID_UNIT_SET = -1099,          /* "invalid unit set number" */
    VAPROP_TEMPERATURE_TOO_LOW = -1100,       /* "temperature too low" */
    VAPROP_PRESSURE_TOO_HIGH = -1200,         /* "pressure too high" */
    VAPROP_PRESSURE_TOO_LOW = -1300,          /* "pressure too low" */
    VAPROP_INPUT_OUT_OF_RANGE = -1500,        /* "input value out of range" (IFC-67 only) */
    VAPROP_NO_CONVERGENCE_OR_REGION = -1600,  /* "internal error": region 3 density search, IFC-67 subregion */
    VAPROP_QUALITY_OUT_OF_RANGE = -1700,      /* "quality out of range" */
    VAPROP_PRESSURE_NOT_SATURABLE = -1800,    /* "pressure outside of saturation range" */
    VAPROP_TEMPERATURE_NOT_SATURABLE = -1900, /* "temperature outside of saturation range" */
    VAPROP_PROPERTY_UNDEFINED = -2000,        /* "internal error": property not defined for the state */
    VAPROP_ENTHALPY_TOO_LOW = -2100,          /* "enthalpy too low" */
    VAPROP_ENTHALPY_TOO_HIGH = -2200,         /* "enthalpy too high" */
    VAPROP_ENTROPY_TOO_LOW = -2300,           /* "entropy too low" */
    VAPROP_ENTROPY_TOO_HIGH = -2400,          /* "entropy too high" */
    VAPROP_CONVERGENCE_ERROR = -2500,         /* "convergence error" */
    VAPROP_AMBIGUOUS_STATE = -2600,           /* "ambiguous state": two states share the inputs (liquid water near
                                                 its density maximum, (T,s) and (p,v) by name) */
    VAPROP_NOT_IN_IFC67 = -2700,              /* "not available in the 1967 formulation": the pairs HS, TS, PV,
                                                 TV and the names CV, SIGMA, M08, K11 with bit 8 */
    VAPROP_UNKNOWN_PAIR = -3100,              /* "unknown input pair": StmBatch, StmProp */
    VAPROP_UNKNOWN_PROPERTY = -3200,          /* "unknown property name": StmBatch, StmProp */
    VAPROP_INVALID_COUNT = -3300,             /* "invalid count": StmBatch count or threads below 0 */
    VAPROP_NULL_POINTER = -3400,              /* "null pointer": StmBatch, StmProp */
    VAPROP_TRANSPORT_UNAVAILABLE = -5100      /* "transport properties not available" */
};

/* Results at or below this value are codes, not property values. */
#define VAPROP_CODE_LIMIT (-1000.0)

/* Number of codes in the table. */
#define VAPROP_ERROR_COUNT 23

/* The text of a code of the table ("temperature too high" for -1000, ...); NULL for any other value,
   including property values and numbers that are not whole codes of the table. */
const char* vapropErrorText(double code);

/* 1 when the value is a code of the table, 0 otherwise. */
int vapropIsErrorCode(double value);

/* The i-th code of the table (0 <= i < VAPROP_ERROR_COUNT, in the order above); 0 outside. */
int vapropErrorCodeAt(int i);

#ifdef __cplusplus
}
#endif

#endif /* VAPROP_ERROR_CODES_H */
