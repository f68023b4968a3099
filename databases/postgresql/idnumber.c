/*
 * idnumber.c: the PostgreSQL extension "idnumber", SQL functions over the
 * identity-number library's C API (capi/idnumber.h), linked in statically.
 *
 * It offers, each for a number given as text or as bigint (its decimal text):
 *   idn_valid(n)          boolean: the number passes every check
 *   idn_reason(n)         'length', 'characters', 'check' or 'date'; NULL when valid
 *   idn_expected_check(n) the check character the first 17 digits call for
 *   idn_birth_date(n)     date; idn_sex(n) 'male' or 'female'
 *   idn_province(n), idn_city(n), idn_county(n)  the region fields of the 2009 tables
 *   idn_code_status(n)    '2009', 'in_use', 'abolished' or 'unknown'
 *   idn_now(n)            jsonb: the codes in use in 2024 that an ended code's area went to
 *   idn_kind(n)           'resident', 'hmt_permit' or 'foreigner_card'
 *   idn_upgrade(n)        the 18-character form of a 15-digit number
 *   idn_mask(n)           the text with all but its first 6 and last 4 characters starred
 * and the set-returning idn_generate(region, birth_from, birth_to, sex,
 * count, seed): distinct well-formed numbers, the same as idtool generate's
 * for the same options and seed.
 *
 * Everything but idn_valid and idn_reason is NULL for a refused number. The
 * latest birth year a number may have is the year of the transaction's start
 * in the session's time zone (as now() gives it), so the verdicts are STABLE:
 * every row of a statement, in every parallel worker, sees the same year.
 *
 * The library works in UTF-8. Texts going in are converted from the
 * database's encoding when it is another, and texts coming out (region names,
 * messages) into it.
 */
#include "postgres.h"

#include "access/xact.h"
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

PG_MODULE_MAGIC;

/* How much of an input text an error message quotes. */
#define QUOTED_INPUT_BYTES 64

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

/* Whether the database's texts are the library's bytes as they stand. */
static bool
database_is_utf8(void)
{
	int			encoding = GetDatabaseEncoding();

	return encoding == PG_UTF8 || encoding == PG_SQL_ASCII;
}

/* A text value of the library's UTF-8 text, in the database's encoding. */
static text *
utf8_to_text(const char *utf8)
{
	int			length = (int) strlen(utf8);
	const char *converted = pg_any_to_server(utf8, length, PG_UTF8);

	if (converted == utf8)
		return cstring_to_text_with_len(utf8, length);
	return cstring_to_text(converted);
}

/*
 * The argument's bytes in UTF-8 (for a database in another encoding,
 * converted into memory of the call) and their length.
 */
static const char *
text_to_utf8(text *value, size_t *length)
{
	const char *bytes = VARDATA_ANY(value);
	int			size = VARSIZE_ANY_EXHDR(value);
	const char *converted;

	if (database_is_utf8())
	{
		*length = (size_t) size;
		return bytes;
	}
	converted = pg_server_to_any(bytes, size, PG_UTF8);
	*length = converted == bytes ? (size_t) size : strlen(converted);
	return converted;
}

/* At most QUOTED_INPUT_BYTES of a text, cut at a character boundary. */
static char *
quoted_input(const char *bytes, int length)
{
	int			kept = length <= QUOTED_INPUT_BYTES ? length : pg_mbcliplen(bytes, length, QUOTED_INPUT_BYTES);
	char	   *quoted = palloc(kept + 4);

	memcpy(quoted, bytes, kept);
	strcpy(quoted + kept, kept < length ? "..." : "");
	return quoted;
}

/* ---- Verification ------------------------------------------------------ */

/* The decimal text of a bigint argument, as the number to verify. */
#define INT8_TEXT_CAPACITY (MAXINT8LEN + 1)

static void
verify_bytes(const char *bytes, size_t length, idn_verdict *verdict)
{
	/* Fails only for a NULL pointer with a length, which no caller passes. */
	if (idn_verify(bytes, length, transaction_year(), verdict) != IDN_OK)
		elog(ERROR, "idn_verify refused its arguments");
}

/*
 * The verdict on argument 0, a text or (int8_argument) a bigint. Numbers are
 * ASCII in every server encoding, so the text is verified as it is stored.
 */
static void
verify_argument(FunctionCallInfo fcinfo, bool int8_argument, idn_verdict *verdict)
{
	if (int8_argument)
	{
		char		digits[INT8_TEXT_CAPACITY];
		int			length = pg_lltoa(PG_GETARG_INT64(0), digits);

		verify_bytes(digits, (size_t) length, verdict);
	}
	else
	{
		text	   *number = PG_GETARG_TEXT_PP(0);

		verify_bytes(VARDATA_ANY(number), VARSIZE_ANY_EXHDR(number), verdict);
	}
}

static Datum
text_datum_or_null(FunctionCallInfo fcinfo, const char *utf8)
{
	if (utf8 == NULL)
		PG_RETURN_NULL();
	PG_RETURN_TEXT_P(utf8_to_text(utf8));
}

static Datum
valid_of(FunctionCallInfo fcinfo pg_attribute_unused(), const idn_verdict *verdict)
{
	PG_RETURN_BOOL(verdict->reason == IDN_VALID);
}

static Datum
reason_of(FunctionCallInfo fcinfo, const idn_verdict *verdict)
{
	return text_datum_or_null(fcinfo, idn_reason_name(verdict->reason));
}

static Datum
expected_check_of(FunctionCallInfo fcinfo, const idn_verdict *verdict)
{
	char		check = (char) verdict->expected_check;

	if (check == '\0')
		PG_RETURN_NULL();
	PG_RETURN_TEXT_P(cstring_to_text_with_len(&check, 1));
}

/*
 * The birth date as a date. Verification checks only that the month is at
 * most 12 and the day at most 31, so a valid number may carry a day that no
 * calendar has (19900231, or a month or day 00): that gives NULL.
 */
static Datum
birth_date_of(FunctionCallInfo fcinfo, const idn_verdict *verdict)
{
	int			year = verdict->birth_year;
	int			month = verdict->birth_month;
	int			day = verdict->birth_day;

	if (verdict->reason != IDN_VALID || year < 1 || month < 1 || month > MONTHS_PER_YEAR || day < 1 ||
		day > day_tab[isleap(year)][month - 1])
		PG_RETURN_NULL();
	PG_RETURN_DATEADT(date2j(year, month, day) - POSTGRES_EPOCH_JDATE);
}

static Datum
sex_of(FunctionCallInfo fcinfo, const idn_verdict *verdict)
{
	if (verdict->reason != IDN_VALID)
		PG_RETURN_NULL();
	return text_datum_or_null(fcinfo, verdict->sex == IDN_SEX_MALE ? "male" : "female");
}

/* One of the dialog's three region texts of a valid number (the field at
 * `offset` of idn_region_fields), or NULL. */
static const char *
region_text(const idn_verdict *verdict, size_t offset)
{
	idn_region_fields fields;

	if (verdict->reason != IDN_VALID || idn_region_texts(verdict->region_code, &fields) != IDN_OK)
		return NULL;
	return *(const char *const *) ((const char *) &fields + offset);
}

static Datum
province_of(FunctionCallInfo fcinfo, const idn_verdict *verdict)
{
	return text_datum_or_null(fcinfo, region_text(verdict, offsetof(idn_region_fields, province)));
}

static Datum
city_of(FunctionCallInfo fcinfo, const idn_verdict *verdict)
{
	return text_datum_or_null(fcinfo, region_text(verdict, offsetof(idn_region_fields, city)));
}

static Datum
county_of(FunctionCallInfo fcinfo, const idn_verdict *verdict)
{
	return text_datum_or_null(fcinfo, region_text(verdict, offsetof(idn_region_fields, county)));
}

static Datum
code_status_of(FunctionCallInfo fcinfo, const idn_verdict *verdict)
{
	if (verdict->reason != IDN_VALID)
		PG_RETURN_NULL();
	return text_datum_or_null(fcinfo, idn_code_status_name(idn_code_status(verdict->region_code)));
}

/* verify's `now`: [] while the code is in use. */
static Datum
now_of(FunctionCallInfo fcinfo, const idn_verdict *verdict)
{
	char		json[4096];
	size_t		written = 0;

	if (verdict->reason != IDN_VALID)
		PG_RETURN_NULL();
	if (idn_now_json(verdict->region_code, json, sizeof json, &written) != IDN_OK)
		elog(ERROR, "idn_now_json needs %zu bytes", written);
	return DirectFunctionCall1(jsonb_in, CStringGetDatum(pg_any_to_server(json, (int) written, PG_UTF8)));
}

static Datum
kind_of(FunctionCallInfo fcinfo, const idn_verdict *verdict)
{
	return text_datum_or_null(fcinfo, idn_kind_name(verdict->kind));
}

/*
 * Each verdict function has two entry points, for a text and for a bigint:
 * pg_idn_NAME_text and pg_idn_NAME_int8, named in idnumber--1.0.sql.
 */
#define VERDICT_FUNCTION(name) \
	PG_FUNCTION_INFO_V1(pg_idn_##name##_text); \
	Datum pg_idn_##name##_text(PG_FUNCTION_ARGS) \
	{ \
		idn_verdict verdict; \
		verify_argument(fcinfo, false, &verdict); \
		return name##_of(fcinfo, &verdict); \
	} \
	PG_FUNCTION_INFO_V1(pg_idn_##name##_int8); \
	Datum pg_idn_##name##_int8(PG_FUNCTION_ARGS) \
	{ \
		idn_verdict verdict; \
		verify_argument(fcinfo, true, &verdict); \
		return name##_of(fcinfo, &verdict); \
	}

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

/* ---- Upgrade and mask -------------------------------------------------- */

/*
 * The 18-character form of a 15-digit number. A text that is not one is an
 * error, as a malformed value given to a type's input is: an UPDATE that
 * upgrades a column never writes NULL over what it could not read.
 */
static Datum
upgrade_bytes(const char *bytes, int length)
{
	char		number[19];
	int			status = idn_upgrade(bytes, (size_t) length, number, sizeof number);

	switch (status)
	{
		case IDN_OK:
			PG_RETURN_TEXT_P(cstring_to_text_with_len(number, 18));
		case IDN_ERROR_NOT_FIFTEEN_DIGITS:
			ereport(ERROR,
					(errcode(ERRCODE_INVALID_TEXT_REPRESENTATION),
					 errmsg("invalid 15-digit identity number: \"%s\"", quoted_input(bytes, length)),
					 errdetail("It has %d bytes; an old number is 15 digits.", length)));
			break;
		case IDN_ERROR_MONTH_ABOVE_12:
			ereport(ERROR,
					(errcode(ERRCODE_DATETIME_FIELD_OVERFLOW),
					 errmsg("15-digit identity number \"%s\" has a month above 12", quoted_input(bytes, length))));
			break;
		case IDN_ERROR_DAY_ABOVE_31:
			ereport(ERROR,
					(errcode(ERRCODE_DATETIME_FIELD_OVERFLOW),
					 errmsg("15-digit identity number \"%s\" has a day above 31", quoted_input(bytes, length))));
			break;
	}
	elog(ERROR, "idn_upgrade failed: %s", idn_status_name(status));
	pg_unreachable();
}

PG_FUNCTION_INFO_V1(pg_idn_upgrade_text);
Datum
pg_idn_upgrade_text(PG_FUNCTION_ARGS)
{
	text	   *number = PG_GETARG_TEXT_PP(0);

	return upgrade_bytes(VARDATA_ANY(number), VARSIZE_ANY_EXHDR(number));
}

PG_FUNCTION_INFO_V1(pg_idn_upgrade_int8);
Datum
pg_idn_upgrade_int8(PG_FUNCTION_ARGS)
{
	char		digits[INT8_TEXT_CAPACITY];
	int			length = pg_lltoa(PG_GETARG_INT64(0), digits);

	return upgrade_bytes(digits, length);
}

/*
 * The masked text. Its characters are counted in UTF-8: in a database of
 * another encoding the text is converted there and back.
 */
static Datum
mask_bytes(const char *bytes, size_t length)
{
	/* A masked text is never longer than the text: each character keeps its bytes or becomes one '*'. */
	text	   *masked = (text *) palloc(VARHDRSZ + length + 1);
	size_t		written = 0;
	int			status = idn_mask(bytes, length, VARDATA(masked), length + 1, &written);

	if (status != IDN_OK)
		elog(ERROR, "idn_mask failed: %s", idn_status_name(status));
	SET_VARSIZE(masked, VARHDRSZ + written);
	if (!database_is_utf8())
	{
		text	   *converted = utf8_to_text(VARDATA(masked));

		pfree(masked);
		masked = converted;
	}
	PG_RETURN_TEXT_P(masked);
}

PG_FUNCTION_INFO_V1(pg_idn_mask_text);
Datum
pg_idn_mask_text(PG_FUNCTION_ARGS)
{
	size_t		length;
	const char *bytes = text_to_utf8(PG_GETARG_TEXT_PP(0), &length);

	return mask_bytes(bytes, length);
}

PG_FUNCTION_INFO_V1(pg_idn_mask_int8);
Datum
pg_idn_mask_int8(PG_FUNCTION_ARGS)
{
	char		digits[INT8_TEXT_CAPACITY];
	int			length = pg_lltoa(PG_GETARG_INT64(0), digits);

	return mask_bytes(digits, (size_t) length);
}

/* ---- Generation -------------------------------------------------------- */

/* An argument of idn_generate as UTF-8 bytes, or NULL and 0 for SQL NULL. */
static const char *
optional_text_argument(FunctionCallInfo fcinfo, int argument, size_t *length)
{
	*length = 0;
	if (PG_ARGISNULL(argument))
		return NULL;
	return text_to_utf8(PG_GETARG_TEXT_PP(argument), length);
}

static void
require_argument(FunctionCallInfo fcinfo, int argument, const char *name)
{
	if (PG_ARGISNULL(argument))
		ereport(ERROR,
				(errcode(ERRCODE_NULL_VALUE_NOT_ALLOWED),
				 errmsg("idn_generate: %s must not be NULL", name)));
}

/*
 * The library's message for a refused option names idtool's options; here
 * they are the function's parameters. Writes the reworded message into
 * `out` (the same size as `message` suffices: every new name is shorter).
 */
static void
reword_message(const char *message, char *out, size_t size)
{
	static const char *const renames[][2] = {
		{"generate: ", ""},
		{"warning: ", ""},
		{"--born-between", "birth_from/birth_to"},
		{"--birth", "birth_from"},
		{"--region", "region"},
		{"--count", "count"},
		{"--sex", "sex"},
	};
	size_t		put = 0;

	while (*message != '\0' && put + 1 < size)
	{
		bool		renamed = false;
		size_t		i;

		for (i = 0; i < lengthof(renames) && !renamed; ++i)
		{
			size_t		from = strlen(renames[i][0]);
			size_t		to = strlen(renames[i][1]);

			if (strncmp(message, renames[i][0], from) != 0 || put + to + 1 > size)
				continue;
			memcpy(out + put, renames[i][1], to);
			put += to;
			message += from;
			renamed = true;
		}
		if (!renamed)
			out[put++] = *message++;
	}
	out[put] = '\0';
}

static void
report_generate_error(int status, const char *message)
{
	char		reworded[IDN_MESSAGE_CAPACITY];
	int			code = ERRCODE_INVALID_PARAMETER_VALUE;

	reword_message(message, reworded, sizeof reworded);
	if (status == IDN_ERROR_BIRTH_NOT_EIGHT_DIGITS || status == IDN_ERROR_RANGE_NOT_DATE)
		code = ERRCODE_INVALID_DATETIME_FORMAT;
	else if (status == IDN_ERROR_BIRTH_BEYOND_LIMITS || status == IDN_ERROR_RANGE_YEAR_AFTER_LIMIT)
		code = ERRCODE_DATETIME_FIELD_OVERFLOW;
	ereport(ERROR,
			(errcode(code),
			 errmsg("idn_generate: %s", pg_any_to_server(reworded, (int) strlen(reworded), PG_UTF8))));
}

/*
 * idn_generate(region, birth_from, birth_to, sex, count, seed): the numbers
 * of one plan, one row each. birth_to NULL: birth_from is the one birth date
 * (taken as the dialog takes it; one that is no real calendar date gets a
 * warning); otherwise the range of real dates. sex NULL or 'any', 'male',
 * 'female'. seed NULL: one from the system. A negative seed stands for the
 * unsigned 64-bit seed with the same bits, so every seed of idtool's is
 * reachable.
 */
PG_FUNCTION_INFO_V1(pg_idn_generate);
Datum
pg_idn_generate(PG_FUNCTION_ARGS)
{
	FuncCallContext *call;
	idn_generator *generator;

	if (SRF_IS_FIRSTCALL())
	{
		MemoryContext caller_context;
		idn_generate_options options;
		char		message[IDN_MESSAGE_CAPACITY];
		int64		count;
		int			status;

		require_argument(fcinfo, 0, "region");
		require_argument(fcinfo, 1, "birth_from");
		require_argument(fcinfo, 4, "count");

		call = SRF_FIRSTCALL_INIT();
		caller_context = MemoryContextSwitchTo(call->multi_call_memory_ctx);

		memset(&options, 0, sizeof options);
		options.region = optional_text_argument(fcinfo, 0, &options.region_length);
		if (PG_ARGISNULL(2))
			options.birth = optional_text_argument(fcinfo, 1, &options.birth_length);
		else
		{
			options.born_from = optional_text_argument(fcinfo, 1, &options.born_from_length);
			options.born_to = optional_text_argument(fcinfo, 2, &options.born_to_length);
		}
		options.sex = IDN_SEX_ANY;
		if (!PG_ARGISNULL(3))
		{
			char	   *sex = text_to_cstring(PG_GETARG_TEXT_PP(3));

			if (pg_strcasecmp(sex, "male") == 0)
				options.sex = IDN_SEX_MALE;
			else if (pg_strcasecmp(sex, "female") == 0)
				options.sex = IDN_SEX_FEMALE;
			else if (pg_strcasecmp(sex, "any") != 0)
				ereport(ERROR,
						(errcode(ERRCODE_INVALID_PARAMETER_VALUE),
						 errmsg("idn_generate: sex must be 'male', 'female' or 'any', not \"%s\"",
								quoted_input(sex, (int) strlen(sex)))));
		}
		count = PG_GETARG_INT64(4);
		if (count < 1)
			ereport(ERROR,
					(errcode(ERRCODE_INVALID_PARAMETER_VALUE),
					 errmsg("idn_generate: count must be at least 1, not " INT64_FORMAT, count)));
		options.count = (uint64_t) count;
		options.has_seed = !PG_ARGISNULL(5);
		options.seed = options.has_seed ? (uint64_t) PG_GETARG_INT64(5) : 0;
		options.year_limit = transaction_year();

		generator = palloc(sizeof *generator);
		status = idn_generator_init(generator, &options, message, sizeof message);
		if (status != IDN_OK)
			report_generate_error(status, message);
		if (message[0] != '\0')
		{
			char		reworded[IDN_MESSAGE_CAPACITY];

			reword_message(message, reworded, sizeof reworded);
			ereport(WARNING,
					(errmsg("idn_generate: %s", pg_any_to_server(reworded, (int) strlen(reworded), PG_UTF8))));
		}
		call->user_fctx = generator;
		call->max_calls = idn_generator_count(generator);
		MemoryContextSwitchTo(caller_context);
	}

	call = SRF_PERCALL_SETUP();
	generator = (idn_generator *) call->user_fctx;
	if (call->call_cntr < call->max_calls)
	{
		char		number[19];

		if (idn_generator_number(generator, call->call_cntr, number, sizeof number) != IDN_OK)
			elog(ERROR, "idn_generator_number failed at " UINT64_FORMAT, call->call_cntr);
		SRF_RETURN_NEXT(call, PointerGetDatum(cstring_to_text_with_len(number, 18)));
	}
	SRF_RETURN_DONE(call);
}
