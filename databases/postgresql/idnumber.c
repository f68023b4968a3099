/*
 * idnumber.c: the PostgreSQL extension "idnumber", SQL functions over the
 * identity-number library's C API (capi/idnumber.h), linked in statically.
 *
 * It offers, each for a number given as text or as bigint (its decimal text):
 *   idn_valid(n)          boolean: the number passes every check
 *   idn_reason(n)         'length', 'characters', 'check' or 'date'; NULL when valid
 *   idn_valid(n, year_limit), idn_reason(n, year_limit)
 *                         the same with the latest birth year given: IMMUTABLE,
 *                         the form for constraints and indexes
 *   idn_expected_check(n) the check character the first 17 digits call for
 *   idn_birth_date(n)     date; idn_sex(n) '男' or '女'
 *   idn_province(n), idn_city(n), idn_county(n)  the region fields of the 2009 tables
 *   idn_code_status(n)    '2009', 'in_use', 'abolished' or 'unknown'
 *   idn_now(n)            jsonb: the codes in use in 2024 that an ended code's area went to
 *   idn_kind(n)           'resident', 'hmt_permit' or 'foreigner_card'
 *   idn_upgrade(n)        the 18-character form of a 15-digit number
 *   idn_mask(n)           the text with all but its first 6 and last 4 characters starred
 *   idn_age(n, as_of)     the holder's age in completed years on the date as_of:
 *                         IMMUTABLE; idn_age(n) on current_date, STABLE
 * and the set-returning idn_generate(region, birth_from, birth_to, sex,
 * count, seed): distinct well-formed numbers, the same as idtool generate's
 * for the same options and seed.
 *
 * Everything but idn_valid and idn_reason is NULL for a refused number. The
 * one-argument forms take as the latest birth year the year of the
 * transaction's start in the session's time zone (as now() gives it), so
 * they are STABLE: every row of a statement, in every parallel worker, sees
 * the same year.
 *
 * Errors of the library's rules carry its message, after the SQL function's
 * name, with the SQL parameter names; their DETAIL is the library's status
 * name (IDN_ERROR_REGION_AMBIGUOUS), the stable code to test for.
 *
 * The library works in UTF-8. Texts going in are converted from the
 * database's encoding when it is another; texts coming out (region names,
 * sex, messages, JSON) are converted into it, each character it lacks
 * written '?', so that a valid number never fails a query.
 */
#include "postgres.h"

#include "access/detoast.h"
#include "access/xact.h"
#include "catalog/namespace.h"
#include "fmgr.h"
#include "funcapi.h"
#include "mb/pg_wchar.h"
#include "pgtime.h"
#include "utils/builtins.h"
#include "utils/date.h"
#include "utils/datetime.h"
#include "utils/jsonb.h"
#include "utils/timestamp.h"

#include "idnumber.h"
#include "idnumber_texts.h"

PG_MODULE_MAGIC;

/* How much of an input text the extension's own messages quote. */
#define QUOTED_INPUT_BYTES 64

/*
 * The SQL functions' parameter names for the library's messages, indexed by
 * idn_option_t. One birth_from is both the one birth date and a range's
 * first date.
 */
static const char *const sql_names[] = {
	[IDN_OPTION_REGION] = "region",
	[IDN_OPTION_BIRTH] = "birth_from",
	[IDN_OPTION_BORN_FROM] = "birth_from",
	[IDN_OPTION_BORN_TO] = "birth_to",
	[IDN_OPTION_SEX] = "sex",
	[IDN_OPTION_COUNT] = "count",
	[IDN_OPTION_SEED] = "seed",
	[IDN_OPTION_YEAR_LIMIT] = "year_limit",
};

#define SQL_NAME_COUNT lengthof(sql_names)

/* ---- The year limit ---------------------------------------------------- */

/*
 * The year of the transaction's start in the session's time zone. Kept for
 * as long as both stay the same, so that a row costs a comparison.
 */
static int
transaction_year(void)
{
	static TimestampTz cached_start = 0;
	static pg_tz *cached_zone = NULL;
	static int	cached_year = 0;
	TimestampTz start = GetCurrentTransactionStartTimestamp();

	if (cached_year == 0 || start != cached_start || session_timezone != cached_zone)
	{
		struct pg_tm tm;
		fsec_t		fsec;
		int			zone_offset;

		if (timestamp2tm(start, &zone_offset, &tm, &fsec, NULL, NULL) != 0)
			ereport(ERROR,
					(errcode(ERRCODE_DATETIME_VALUE_OUT_OF_RANGE),
					 errmsg("the transaction's start time is out of range")));
		cached_start = start;
		cached_zone = session_timezone;
		cached_year = tm.tm_year;
	}
	return cached_year;
}

/* ---- Texts in and out -------------------------------------------------- */

/*
 * Whether the database's texts are the library's bytes as they stand: UTF-8,
 * or SQL_ASCII, which holds any bytes and converts none.
 */
bool
database_is_utf8(void)
{
	/* A backend serves one database: its encoding never changes. */
	static int	utf8 = -1;

	if (utf8 < 0)
		utf8 = GetDatabaseEncoding() == PG_UTF8 || GetDatabaseEncoding() == PG_SQL_ASCII;
	return utf8;
}

/*
 * The room utf8_to_server needs for a text of `length` bytes; an error, as
 * PostgreSQL's own conversions give it, for a text too long to convert.
 */
static Size
conversion_room(size_t length)
{
	if (length >= (MaxAllocSize - VARHDRSZ) / MAX_CONVERSION_GROWTH)
		ereport(ERROR,
				(errcode(ERRCODE_PROGRAM_LIMIT_EXCEEDED),
				 errmsg("out of memory"),
				 errdetail("String of %zu bytes is too long for encoding conversion.", length)));
	return length * MAX_CONVERSION_GROWTH + 1;
}

/*
 * Writes the library's UTF-8 text into `out` in the database's encoding,
 * each character the encoding lacks as '?', and returns the bytes written.
 * `out` has conversion_room(length) bytes.
 */
static int
utf8_to_server(const char *utf8, int length, char *out)
{
	static Oid	conversion = InvalidOid;
	int			encoding = GetDatabaseEncoding();
	int			room = (int) conversion_room((size_t) length);
	int			written = 0;

	if (!OidIsValid(conversion))
		conversion = FindDefaultConversionProc(PG_UTF8, encoding);
	out[0] = '\0';
	while (length > 0)
	{
		int			converted;

		if (OidIsValid(conversion))
		{
			converted = pg_do_encoding_conversion_buf(conversion, PG_UTF8, encoding, (unsigned char *) utf8,
													  length, (unsigned char *) out + written, room - written,
													  true);
			written += strlen(out + written);
		}
		else
		{
			/* No conversion from UTF-8 at all: ASCII stands as it is. */
			converted = (unsigned char) *utf8 < 0x80;
			if (converted)
				out[written++] = *utf8;
		}
		if (converted == 0)
		{
			/* A character the encoding lacks. */
			converted = Min(pg_utf_mblen((const unsigned char *) utf8), length);
			out[written++] = '?';
		}
		utf8 += converted;
		length -= converted;
	}
	out[written] = '\0';
	return written;
}

/* A text value of the library's UTF-8 text, in the database's encoding. */
text *
utf8_to_text(const char *utf8, size_t length)
{
	text	   *result;

	if (database_is_utf8())
		return cstring_to_text_with_len(utf8, (int) length);
	result = (text *) palloc(VARHDRSZ + conversion_room(length));
	SET_VARSIZE(result, VARHDRSZ + utf8_to_server(utf8, (int) length, VARDATA(result)));
	return result;
}

/* A C string of the library's UTF-8 text (a message), in the database's encoding. */
const char *
utf8_to_cstring(const char *utf8, size_t length)
{
	char	   *result;

	if (database_is_utf8())
		return utf8;
	result = palloc(conversion_room(length));
	utf8_to_server(utf8, (int) length, result);
	return result;
}

static bool
all_ascii(const char *bytes, size_t length)
{
	size_t		i;

	for (i = 0; i < length; ++i)
		if ((unsigned char) bytes[i] >= 0x80)
			return false;
	return true;
}

/*
 * The bytes of a text value for the library, and their length: as stored in
 * a UTF-8 or SQL_ASCII database, or when they are ASCII; otherwise converted
 * into UTF-8 (memory of the call).
 */
const char *
text_to_utf8(text *value, size_t *length)
{
	const char *bytes = VARDATA_ANY(value);
	int			size = VARSIZE_ANY_EXHDR(value);
	const char *converted;

	*length = (size_t) size;
	if (database_is_utf8() || all_ascii(bytes, (size_t) size))
		return bytes;
	converted = pg_server_to_any(bytes, size, PG_UTF8);
	if (converted != bytes)
		*length = strlen(converted);
	return converted;
}

/*
 * At most QUOTED_INPUT_BYTES of a text in the database's encoding, cut at a
 * character boundary, then "..." when cut; control characters are written
 * '?', as the library writes them in its messages.
 */
static char *
quoted_input(const char *bytes, int length)
{
	int			kept = length <= QUOTED_INPUT_BYTES ? length : pg_mbcliplen(bytes, length, QUOTED_INPUT_BYTES);
	char	   *quoted = palloc(kept + 4);
	int			i;

	for (i = 0; i < kept; ++i)
	{
		unsigned char c = (unsigned char) bytes[i];

		quoted[i] = c < 0x20 || c == 0x7f ? '?' : (char) c;
	}
	strcpy(quoted + kept, kept < length ? "..." : "");
	return quoted;
}

/* ---- Errors ------------------------------------------------------------ */

/* The SQLSTATE of a refusal of the library's. */
static int
sqlstate_of(int status)
{
	switch (status)
	{
		case IDN_ERROR_NO_REGION:
		case IDN_ERROR_NO_BIRTH_DATE:
		case IDN_ERROR_NO_KEY:
			return ERRCODE_NULL_VALUE_NOT_ALLOWED;
		case IDN_ERROR_BIRTH_NOT_EIGHT_DIGITS:
		case IDN_ERROR_RANGE_NOT_DATE:
			return ERRCODE_INVALID_DATETIME_FORMAT;
		case IDN_ERROR_BIRTH_BEYOND_LIMITS:
		case IDN_ERROR_RANGE_YEAR_AFTER_LIMIT:
		case IDN_ERROR_AS_OF_DATE:
		case IDN_ERROR_MONTH_ABOVE_12:
		case IDN_ERROR_DAY_ABOVE_31:
			return ERRCODE_DATETIME_FIELD_OVERFLOW;
		case IDN_ERROR_NOT_FIFTEEN_DIGITS:
			return ERRCODE_INVALID_TEXT_REPRESENTATION;
		default:
			return ERRCODE_INVALID_PARAMETER_VALUE;
	}
}

/*
 * Raises the library's message (UTF-8) of a refusal as the SQL function's
 * error: "function: message", the status's name as its DETAIL.
 */
void
report_refusal(const char *function, int status, const char *message, size_t length)
{
	ereport(ERROR,
			(errcode(sqlstate_of(status)),
			 errmsg("%s: %s", function, utf8_to_cstring(message, length)),
			 errdetail("%s", idn_status_name(status))));
}

/* Raises the library's refusal of a value before it reaches the options. */
static void
report_option_refusal(const char *function, int status, const char *value, size_t value_length)
{
	char		message[IDN_MESSAGE_SIZE];
	size_t		written = 0;

	if (idn_option_message(status, value, value_length, sql_names, SQL_NAME_COUNT, message, sizeof message,
						   &written) != IDN_OK)
		elog(ERROR, "%s: idn_option_message refused %s", function, idn_status_name(status));
	report_refusal(function, status, message, written);
}

/* Refuses a year limit the library refuses (`status`), in its words. */
static void
report_year_limit(const char *function, int status, int year_limit)
{
	char		digits[MAXINT8LEN + 1];
	int			length;

	if (status != IDN_ERROR_YEAR_LIMIT)
		elog(ERROR, "%s: idn_verify failed: %s", function, idn_status_name(status));
	length = pg_ltoa(year_limit, digits);
	report_option_refusal(function, status, digits, (size_t) length);
}

/*
 * The forms with a year limit are IMMUTABLE, so they take no 0, which stands
 * for the clock's year in the library; its refusal is the library's message
 * of a year limit refused.
 */
static void
refuse_clock_year_limit(const char *function, int year_limit)
{
	if (year_limit == 0)
		report_year_limit(function, IDN_ERROR_YEAR_LIMIT, year_limit);
}

/* ---- Verification ------------------------------------------------------ */

/*
 * The verdict on a text value. Numbers are ASCII in every server encoding: a
 * text is verified as it is stored unless it holds other characters in a
 * database of another encoding than UTF-8, where they are converted first,
 * so that every database gives the same verdict on the same characters.
 * A value stored out of line or compressed is fetched only as far as the
 * verdict reads it.
 */
static pg_attribute_always_inline int
verify_text(Datum datum, int year_limit, idn_verdict_t *verdict)
{
	struct varlena *stored = (struct varlena *) DatumGetPointer(datum);
	text	   *value;
	const char *bytes;
	size_t		length;

	if (database_is_utf8())
	{
		if (VARATT_IS_EXTERNAL(stored) || VARATT_IS_COMPRESSED(stored))
		{
			text	   *held = DatumGetTextPSlice(datum, 0, IDN_INPUT_HELD_BYTES);

			return idn_verify_prefix(VARDATA_ANY(held), VARSIZE_ANY_EXHDR(held),
									 toast_raw_datum_size(datum) - VARHDRSZ, year_limit, verdict);
		}
		return idn_verify(VARDATA_ANY(stored), VARSIZE_ANY_EXHDR(stored), year_limit, verdict);
	}
	value = DatumGetTextPP(datum);
	bytes = text_to_utf8(value, &length);
	return idn_verify(bytes, length, year_limit, verdict);
}

/* The verdict on argument 0, a text or (int8_argument) a bigint. */
static pg_attribute_always_inline void
verify_argument(FunctionCallInfo fcinfo, const char *function, bool int8_argument, int year_limit,
				idn_verdict_t *verdict)
{
	int			status;

	if (int8_argument)
	{
		char		digits[MAXINT8LEN + 1];
		int			length = pg_lltoa(PG_GETARG_INT64(0), digits);

		status = idn_verify(digits, (size_t) length, year_limit, verdict);
	}
	else
		status = verify_text(PG_GETARG_DATUM(0), year_limit, verdict);
	if (status != IDN_OK)
		report_year_limit(function, status, year_limit);
}

static Datum
text_datum_or_null(FunctionCallInfo fcinfo, const char *utf8)
{
	if (utf8 == NULL)
		PG_RETURN_NULL();
	PG_RETURN_TEXT_P(utf8_to_text(utf8, strlen(utf8)));
}

static Datum
valid_of(FunctionCallInfo fcinfo pg_attribute_unused(), const idn_verdict_t *verdict)
{
	PG_RETURN_BOOL(verdict->reason == IDN_VALID);
}

static Datum
reason_of(FunctionCallInfo fcinfo, const idn_verdict_t *verdict)
{
	return text_datum_or_null(fcinfo, idn_reason_name(verdict->reason));
}

static Datum
expected_check_of(FunctionCallInfo fcinfo, const idn_verdict_t *verdict)
{
	char		check = (char) verdict->expected_check;

	if (check == '\0')
		PG_RETURN_NULL();
	PG_RETURN_TEXT_P(cstring_to_text_with_len(&check, 1));
}

/*
 * The birth date as a date: NULL for a valid number whose date no calendar
 * has (19900231, a month or day 00), as the library's calendar says.
 */
static Datum
birth_date_of(FunctionCallInfo fcinfo, const idn_verdict_t *verdict)
{
	if (verdict->reason != IDN_VALID ||
		!idn_is_calendar_date(verdict->birth_year, verdict->birth_month, verdict->birth_day))
		PG_RETURN_NULL();
	PG_RETURN_DATEADT(date2j(verdict->birth_year, verdict->birth_month, verdict->birth_day) - POSTGRES_EPOCH_JDATE);
}

static Datum
sex_of(FunctionCallInfo fcinfo, const idn_verdict_t *verdict)
{
	return text_datum_or_null(fcinfo, verdict->reason == IDN_VALID ? idn_sex_name(verdict->sex) : NULL);
}

/* One of the dialog's three region texts of a valid number (the field at
 * `offset` of idn_region_fields_t), or NULL. */
static const char *
region_text(const idn_verdict_t *verdict, size_t offset)
{
	idn_region_fields_t fields = {.size = sizeof fields};

	if (verdict->reason != IDN_VALID || idn_region_fields(verdict->region_code, &fields) != IDN_OK)
		return NULL;
	return *(const char *const *) ((const char *) &fields + offset);
}

static Datum
province_of(FunctionCallInfo fcinfo, const idn_verdict_t *verdict)
{
	return text_datum_or_null(fcinfo, region_text(verdict, offsetof(idn_region_fields_t, province)));
}

static Datum
city_of(FunctionCallInfo fcinfo, const idn_verdict_t *verdict)
{
	return text_datum_or_null(fcinfo, region_text(verdict, offsetof(idn_region_fields_t, city)));
}

static Datum
county_of(FunctionCallInfo fcinfo, const idn_verdict_t *verdict)
{
	return text_datum_or_null(fcinfo, region_text(verdict, offsetof(idn_region_fields_t, county)));
}

static Datum
code_status_of(FunctionCallInfo fcinfo, const idn_verdict_t *verdict)
{
	if (verdict->reason != IDN_VALID)
		PG_RETURN_NULL();
	return text_datum_or_null(fcinfo, idn_code_status_name(idn_code_status_of(verdict->region_code)));
}

/* verify's `now`: [] while the code is in use. */
static Datum
now_of(FunctionCallInfo fcinfo, const idn_verdict_t *verdict)
{
	char		json[IDN_NOW_CODES_JSON_SIZE];
	size_t		written = 0;

	if (verdict->reason != IDN_VALID)
		PG_RETURN_NULL();
	if (idn_now_codes_json(verdict->region_code, json, sizeof json, &written) != IDN_OK)
		elog(ERROR, "idn_now: idn_now_codes_json needs %zu bytes", written);
	return DirectFunctionCall1(jsonb_in, CStringGetDatum(utf8_to_cstring(json, written)));
}

static Datum
kind_of(FunctionCallInfo fcinfo, const idn_verdict_t *verdict)
{
	return text_datum_or_null(fcinfo, idn_kind_name(verdict->kind));
}

/*
 * Each verdict function has two entry points, for a text and for a bigint:
 * pg_idn_NAME_text and pg_idn_NAME_int8, named in functions.sql. The
 * SQL functions are STRICT; the entry points answer NULL for NULL all the
 * same, so that a changed declaration can never hand them one.
 */
#define VERDICT_ENTRY(name, suffix, int8_argument) \
	PG_FUNCTION_INFO_V1(pg_idn_##name##_##suffix); \
	Datum pg_idn_##name##_##suffix(PG_FUNCTION_ARGS) \
	{ \
		idn_verdict_t verdict = {.size = sizeof verdict}; \
		if (PG_ARGISNULL(0)) \
			PG_RETURN_NULL(); \
		verify_argument(fcinfo, "idn_" #name, int8_argument, transaction_year(), &verdict); \
		return name##_of(fcinfo, &verdict); \
	}
#define VERDICT_FUNCTION(name) \
	VERDICT_ENTRY(name, text, false) \
	VERDICT_ENTRY(name, int8, true)

/*
 * The forms with a year limit (argument 1): pg_idn_NAME_text_year and
 * pg_idn_NAME_int8_year.
 */
#define YEAR_LIMIT_ENTRY(name, suffix, int8_argument) \
	PG_FUNCTION_INFO_V1(pg_idn_##name##_##suffix##_year); \
	Datum pg_idn_##name##_##suffix##_year(PG_FUNCTION_ARGS) \
	{ \
		idn_verdict_t verdict = {.size = sizeof verdict}; \
		if (PG_ARGISNULL(0) || PG_ARGISNULL(1)) \
			PG_RETURN_NULL(); \
		refuse_clock_year_limit("idn_" #name, PG_GETARG_INT32(1)); \
		verify_argument(fcinfo, "idn_" #name, int8_argument, PG_GETARG_INT32(1), &verdict); \
		return name##_of(fcinfo, &verdict); \
	}
#define YEAR_LIMIT_FUNCTION(name) \
	YEAR_LIMIT_ENTRY(name, text, false) \
	YEAR_LIMIT_ENTRY(name, int8, true)

VERDICT_FUNCTION(valid)
VERDICT_FUNCTION(reason)
VERDICT_FUNCTION(expected_check)
VERDICT_FUNCTION(birth_date)
VERDICT_FUNCTION(sex)
VERDICT_FUNCTION(province)
VERDICT_FUNCTION(city)
VERDICT_FUNCTION(county)
VERDICT_FUNCTION(code_status)
VERDICT_FUNCTION(now)
VERDICT_FUNCTION(kind)

YEAR_LIMIT_FUNCTION(valid)
YEAR_LIMIT_FUNCTION(reason)

/* ---- Upgrade and mask -------------------------------------------------- */

/*
 * The 18-character form of a 15-digit number. A text that is not one is an
 * error, as a malformed value given to a type's input is: an UPDATE that
 * upgrades a column never writes NULL over what it could not read. Digits
 * are ASCII in every encoding, so the text is given as it is stored.
 */
static Datum
upgrade_bytes(const char *bytes, int length)
{
	char		number[IDN_NUMBER_SIZE];
	size_t		written = 0;
	int			status = idn_upgrade_number(bytes, (size_t) length, number, sizeof number, &written);

	if (status == IDN_OK)
		PG_RETURN_TEXT_P(cstring_to_text_with_len(number, (int) written));
	if (status == IDN_ERROR_NOT_FIFTEEN_DIGITS || status == IDN_ERROR_MONTH_ABOVE_12 ||
		status == IDN_ERROR_DAY_ABOVE_31)
	{
		/* The library's words for the refusal ("14 bytes, not 15 digits"). */
		char		message[IDN_REASON_MESSAGE_SIZE];

		if (idn_upgrade_message(bytes, (size_t) length, message, sizeof message, NULL) != IDN_OK)
			elog(ERROR, "idn_upgrade: idn_upgrade_message failed");
		ereport(ERROR,
				(errcode(sqlstate_of(status)),
				 errmsg("idn_upgrade: \"%s\": %s", quoted_input(bytes, length), message),
				 errdetail("%s", idn_status_name(status))));
	}
	elog(ERROR, "idn_upgrade: idn_upgrade_number failed: %s", idn_status_name(status));
	pg_unreachable();
}

PG_FUNCTION_INFO_V1(pg_idn_upgrade_text);
Datum
pg_idn_upgrade_text(PG_FUNCTION_ARGS)
{
	text	   *number;

	if (PG_ARGISNULL(0))
		PG_RETURN_NULL();
	number = PG_GETARG_TEXT_PP(0);
	return upgrade_bytes(VARDATA_ANY(number), VARSIZE_ANY_EXHDR(number));
}

PG_FUNCTION_INFO_V1(pg_idn_upgrade_int8);
Datum
pg_idn_upgrade_int8(PG_FUNCTION_ARGS)
{
	char		digits[MAXINT8LEN + 1];
	int			length;

	if (PG_ARGISNULL(0))
		PG_RETURN_NULL();
	length = pg_lltoa(PG_GETARG_INT64(0), digits);
	return upgrade_bytes(digits, length);
}

/* The masked text. Its characters are counted in UTF-8. */
static Datum
mask_bytes(const char *bytes, size_t length)
{
	text	   *masked = (text *) palloc(VARHDRSZ + IDN_MASK_SIZE(length));
	size_t		written = 0;
	int			status = idn_mask_text(bytes, length, VARDATA(masked), IDN_MASK_SIZE(length), &written);

	if (status != IDN_OK)
		elog(ERROR, "idn_mask: idn_mask_text failed: %s", idn_status_name(status));
	if (!database_is_utf8())
		PG_RETURN_TEXT_P(utf8_to_text(VARDATA(masked), written));
	SET_VARSIZE(masked, VARHDRSZ + written);
	PG_RETURN_TEXT_P(masked);
}

PG_FUNCTION_INFO_V1(pg_idn_mask_text);
Datum
pg_idn_mask_text(PG_FUNCTION_ARGS)
{
	size_t		length;
	const char *bytes;

	if (PG_ARGISNULL(0))
		PG_RETURN_NULL();
	bytes = text_to_utf8(PG_GETARG_TEXT_PP(0), &length);
	return mask_bytes(bytes, length);
}

PG_FUNCTION_INFO_V1(pg_idn_mask_int8);
Datum
pg_idn_mask_int8(PG_FUNCTION_ARGS)
{
	char		digits[MAXINT8LEN + 1];
	int			length;

	if (PG_ARGISNULL(0))
		PG_RETURN_NULL();
	length = pg_lltoa(PG_GETARG_INT64(0), digits);
	return mask_bytes(digits, (size_t) length);
}

/* ---- Age --------------------------------------------------------------- */

/*
 * The age in completed years on `as_of` of the holder of the number in
 * argument 0, NULL where the library gives none (a refused number, a birth
 * date no calendar has, a date before the birth). The number is judged by
 * every rule but the year (limit 9999): a birth after as_of has no age there
 * anyway, so the answer depends on the arguments alone. A date the library's
 * calendar lacks (before year 1, or infinite) is an error.
 */
static Datum
age_on(FunctionCallInfo fcinfo, bool int8_argument, DateADT as_of)
{
	idn_verdict_t verdict = {.size = sizeof verdict};
	int			year,
				month,
				day,
				status;
	int32_t		age = 0;

	if (DATE_NOT_FINITE(as_of))
		ereport(ERROR,
				(errcode(ERRCODE_DATETIME_VALUE_OUT_OF_RANGE),
				 errmsg("idn_age: as_of must be a finite date, not %s",
						DatumGetCString(DirectFunctionCall1(date_out, DateADTGetDatum(as_of))))));
	j2date(as_of + POSTGRES_EPOCH_JDATE, &year, &month, &day);
	verify_argument(fcinfo, "idn_age", int8_argument, IDN_YEAR_LIMIT_MAX, &verdict);
	status = idn_age_on(&verdict, year, month, day, &age);
	if (status == IDN_OK)
		PG_RETURN_INT32(age);
	if (status == IDN_ERROR_NOT_FOUND)
		PG_RETURN_NULL();
	if (status == IDN_ERROR_BAD_DATE)
		ereport(ERROR,
				(errcode(ERRCODE_DATETIME_VALUE_OUT_OF_RANGE),
				 errmsg("idn_age: as_of %s is before 0001-01-01",
						DatumGetCString(DirectFunctionCall1(date_out, DateADTGetDatum(as_of)))),
				 errdetail("%s", idn_status_name(status))));
	elog(ERROR, "idn_age: idn_age_on failed: %s", idn_status_name(status));
	pg_unreachable();
}

/*
 * idn_age(number, as_of) for a text and for a bigint; idn_age(number) on
 * current_date, the transaction's start in the session's time zone.
 */
#define AGE_ENTRIES(suffix, int8_argument) \
	PG_FUNCTION_INFO_V1(pg_idn_age_##suffix##_date); \
	Datum pg_idn_age_##suffix##_date(PG_FUNCTION_ARGS) \
	{ \
		if (PG_ARGISNULL(0) || PG_ARGISNULL(1)) \
			PG_RETURN_NULL(); \
		return age_on(fcinfo, int8_argument, PG_GETARG_DATEADT(1)); \
	} \
	PG_FUNCTION_INFO_V1(pg_idn_age_##suffix); \
	Datum pg_idn_age_##suffix(PG_FUNCTION_ARGS) \
	{ \
		if (PG_ARGISNULL(0)) \
			PG_RETURN_NULL(); \
		return age_on(fcinfo, int8_argument, GetSQLCurrentDate()); \
	}

AGE_ENTRIES(text, false)
AGE_ENTRIES(int8, true)

/* ---- Generation -------------------------------------------------------- */

/* A setter refuses only an option it does not take, which is this file's fault. */
static void
check_setter(int status)
{
	if (status != IDN_OK)
		elog(ERROR, "idn_generate: an option's setter failed: %s", idn_status_name(status));
}

/* Sets a text argument of idn_generate as an option; SQL NULL sets none. */
static void
set_text_option(FunctionCallInfo fcinfo, idn_generator_t *generator, int argument, int option)
{
	size_t		length;
	const char *bytes;

	if (PG_ARGISNULL(argument))
		return;
	bytes = text_to_utf8(PG_GETARG_TEXT_PP(argument), &length);
	check_setter(idn_generator_set_text(generator, option, bytes, length));
}

/*
 * The options of idn_generate(region, birth_from, birth_to, sex, count,
 * seed), set one by one for the library to judge in its order. birth_to
 * NULL: birth_from is the one birth date (taken as the dialog takes it);
 * otherwise the range of real dates. SQL NULL is an option not given: no
 * region or birth_from is the library's refusal, sex any, count 1, a seed
 * from the system. A negative seed stands for the unsigned 64-bit seed of
 * the same bits. The latest birth year is the transaction's.
 */
static void
set_generate_options(FunctionCallInfo fcinfo, idn_generator_t *generator)
{
	if (idn_generator_init(generator, sizeof *generator) != IDN_OK)
		elog(ERROR, "idn_generate: the generator's storage is smaller than the library's");
	set_text_option(fcinfo, generator, 0, IDN_OPTION_REGION);
	set_text_option(fcinfo, generator, 1, PG_ARGISNULL(2) ? IDN_OPTION_BIRTH : IDN_OPTION_BORN_FROM);
	set_text_option(fcinfo, generator, 2, IDN_OPTION_BORN_TO);
	set_text_option(fcinfo, generator, 3, IDN_OPTION_SEX);
	if (!PG_ARGISNULL(4))
		check_setter(idn_generator_set_integer(generator, IDN_OPTION_COUNT, PG_GETARG_INT64(4)));
	if (!PG_ARGISNULL(5))
		check_setter(idn_generator_set_integer(generator, IDN_OPTION_SEED, PG_GETARG_INT64(5)));
	check_setter(idn_generator_set_integer(generator, IDN_OPTION_YEAR_LIMIT, transaction_year()));
}

/*
 * idn_generate: the numbers of one plan, one row each. A birth date that is
 * no calendar date gives the library's warning.
 */
PG_FUNCTION_INFO_V1(pg_idn_generate);
Datum
pg_idn_generate(PG_FUNCTION_ARGS)
{
	FuncCallContext *call;
	idn_generator_t *generator;

	if (SRF_IS_FIRSTCALL())
	{
		MemoryContext caller_context;
		int			status;

		call = SRF_FIRSTCALL_INIT();
		caller_context = MemoryContextSwitchTo(call->multi_call_memory_ctx);

		generator = palloc(sizeof *generator);
		set_generate_options(fcinfo, generator);
		status = idn_generator_prepare(generator);
		if (status != IDN_OK || idn_generator_warning(generator) != IDN_WARNING_NONE)
		{
			char		message[IDN_MESSAGE_SIZE];
			size_t		written = 0;

			if (idn_generator_message(generator, sql_names, SQL_NAME_COUNT, message, sizeof message, &written) !=
				IDN_OK)
				elog(ERROR, "idn_generate: idn_generator_message failed for %s", idn_status_name(status));
			if (status != IDN_OK)
				report_refusal("idn_generate", status, message, written);
			ereport(WARNING, (errmsg("idn_generate: %s", utf8_to_cstring(message, written))));
		}
		call->user_fctx = generator;
		call->max_calls = (uint64) idn_generator_count(generator);
		MemoryContextSwitchTo(caller_context);
	}

	call = SRF_PERCALL_SETUP();
	generator = (idn_generator_t *) call->user_fctx;
	if (call->call_cntr < call->max_calls)
	{
		char		number[IDN_NUMBER_SIZE];
		size_t		written = 0;

		if (idn_generator_number(generator, (int64_t) call->call_cntr, number, sizeof number, &written) != IDN_OK)
			elog(ERROR, "idn_generate: idn_generator_number failed at " UINT64_FORMAT, call->call_cntr);
		SRF_RETURN_NEXT(call, PointerGetDatum(cstring_to_text_with_len(number, (int) written)));
	}
	SRF_RETURN_DONE(call);
}
