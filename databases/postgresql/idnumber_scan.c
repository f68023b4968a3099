/*
 * idnumber_scan.c: the SQL functions of the extension that find identity
 * numbers in text and de-identify them, over the library's scanner
 * (capi/idnumber.h, "Finding numbers in text"):
 *
 *   idn_find(input [, as_of], min_confidence, fifteen_digits)
 *                 a set of rows, one per match in the order of the text
 *   idn_redact(input [, as_of], redaction, key, mask_first, mask_last, label,
 *              token_alphabet, token_length, keep, min_confidence, fifteen_digits)
 *                 the text with every match replaced
 *   idn_redact_number(number [, as_of], ...the same)
 *                 the redaction of a text that is one number alone; NULL otherwise
 *
 * The forms with as_of (a date: no birth after it) read only their
 * arguments and are IMMUTABLE; the others take current_date, the day the
 * transaction started in the session's time zone, and are STABLE. Every
 * option may be NULL, which is the library's default; a NULL input gives
 * NULL (no rows). The SQL declarations are in functions.sql.
 *
 * Each call site keeps one prepared scanner in its fn_extra, with the
 * options it was prepared with: a row whose options are the row before's
 * restarts it, so that a column costs the scan of its texts, not a setup
 * per row.
 */
#include "postgres.h"

#include "access/htup_details.h"
#include "access/xact.h"
#include "catalog/pg_type.h"
#include "fmgr.h"
#include "funcapi.h"
#include "lib/stringinfo.h"
#include "mb/pg_wchar.h"
#include "miscadmin.h"
#include "pgtime.h"
#include "utils/array.h"
#include "utils/builtins.h"
#include "utils/date.h"
#include "utils/datetime.h"
#include "utils/lsyscache.h"
#include "utils/timestamp.h"
#include "utils/tuplestore.h"

#include "idnumber.h"
#include "idnumber_texts.h"
#include "sql_scan_words.h"

/* Redaction works through pieces of at most this many bytes, so that its
 * room (IDN_REDACT_SIZE of a piece) stays bounded whatever the text. */
#define REDACT_PIECE 65536

/* The options of each function after its input, in the order of its SQL
 * parameters; the forms with as_of have it first. */
static const int find_options[] = {IDN_OPTION_MIN_CONFIDENCE, IDN_OPTION_FIFTEEN_DIGITS};
static const int redact_options[] = {IDN_OPTION_REDACTION,     IDN_OPTION_KEY,         IDN_OPTION_MASK_FIRST,
									 IDN_OPTION_MASK_LAST,     IDN_OPTION_LABEL,       IDN_OPTION_TOKEN_ALPHABET,
									 IDN_OPTION_TOKEN_LENGTH,  IDN_OPTION_KEEP,        IDN_OPTION_MIN_CONFIDENCE,
									 IDN_OPTION_FIFTEEN_DIGITS};

/* A call site's prepared scanner, the options it has as bytes, and a
 * redaction's room; in the call site's memory (fn_mcxt). */
typedef struct scan_cache
{
	idn_scanner_t scanner;		/* first: palloc aligns it */
	bool		prepared;
	char	   *fingerprint;
	Size		fingerprint_length;
	Size		fingerprint_capacity;
	char	   *room;
	Size		room_capacity;
} scan_cache;

/* The columns of idn_find, in the order of its RETURNS TABLE. */
enum find_column
{
	FIND_START, FIND_LENGTH, FIND_LINE_NUMBER, FIND_COLUMN_NUMBER, FIND_NUMBER, FIND_FORM, FIND_CONFIDENCE,
	FIND_FLAW, FIND_KEYWORD, FIND_KIND, FIND_BIRTH_DATE, FIND_SEX, FIND_REGION_CODE, FIND_PROVINCE, FIND_CITY,
	FIND_COUNTY, FIND_COLUMNS
};

/* ---- The as-of date ---------------------------------------------------- */

/*
 * current_date as the library takes an as-of date (YYYYMMDD): the day the
 * transaction started in the session's time zone, kept while both stay the
 * same.
 */
static int64
transaction_date(void)
{
	static TimestampTz cached_start = 0;
	static pg_tz *cached_zone = NULL;
	static int64 cached_date = 0;
	TimestampTz start = GetCurrentTransactionStartTimestamp();

	if (cached_date == 0 || start != cached_start || session_timezone != cached_zone)
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
		cached_date = (int64) tm.tm_year * 10000 + tm.tm_mon * 100 + tm.tm_mday;
	}
	return cached_date;
}

/* A date argument as YYYYMMDD; an error for one the library's years lack. */
static int64
as_of_value(const char *function, DateADT date)
{
	int			year,
				month,
				day;
	int64		value = 0;

	if (!DATE_NOT_FINITE(date))
	{
		j2date(date + POSTGRES_EPOCH_JDATE, &year, &month, &day);
		value = sql_scan_date_value(year, month, day);
	}
	if (value == 0)
		ereport(ERROR,
				(errcode(ERRCODE_DATETIME_FIELD_OVERFLOW),
				 errmsg("%s: as_of must be a date of the years 1 to 9999, not %s", function,
						DatumGetCString(DirectFunctionCall1(date_out, DateADTGetDatum(date)))),
				 errdetail("%s", idn_status_name(IDN_ERROR_AS_OF_DATE))));
	return value;
}

/* ---- Options ----------------------------------------------------------- */

/* The status a refused word stands for, as the library would name it. */
static int
word_status(int option)
{
	switch (option)
	{
		case IDN_OPTION_ENCODING:
			return IDN_ERROR_BAD_ENCODING;
		case IDN_OPTION_MIN_CONFIDENCE:
			return IDN_ERROR_BAD_CONFIDENCE;
		case IDN_OPTION_REDACTION:
			return IDN_ERROR_BAD_REDACTION;
		case IDN_OPTION_TOKEN_ALPHABET:
			return IDN_ERROR_TOKEN_FORMAT;
		default:
			return IDN_ERROR_BAD_ARGUMENT;
	}
}

/*
 * Refuses a word the option does not take, in the words of
 * sql_scan_words.h. A word that is a date where the way or a confidence
 * goes is an as_of meant for the other form: the hint says how to give it.
 */
static void refuse_word(const char *function, int option, const char *word, size_t length) pg_attribute_noreturn();

static void
refuse_word(const char *function, int option, const char *word, size_t length)
{
	char		message[IDN_MESSAGE_SIZE];
	size_t		written = sql_scan_word_refusal(option, word, length, message, sizeof message);
	int			year,
				month,
				day;
	bool		date_like = sql_scan_date_text(word, length, &year, &month, &day);

	ereport(ERROR,
			(errcode(ERRCODE_INVALID_PARAMETER_VALUE),
			 errmsg("%s: %s", function, utf8_to_cstring(message, written)),
			 errdetail("%s", idn_status_name(word_status(option))),
			 date_like ? errhint("An as_of date is a date: %s(input, date '%.10s', ...) or as_of => '%.10s'.",
								 function, word, word) : 0));
}

static void
check_setter(const char *function, int status)
{
	if (status != IDN_OK)
		elog(ERROR, "%s: an option's setter failed: %s", function, idn_status_name(status));
}

/* The pseudonym's keep, from an array of words; NULL elements are refused. */
static int64
keep_flags(const char *function, ArrayType *words)
{
	Datum	   *elements;
	bool	   *nulls;
	int			count,
				i;
	int64		flags = 0;

	deconstruct_array(words, TEXTOID, -1, false, TYPALIGN_INT, &elements, &nulls, &count);
	for (i = 0; i < count; ++i)
	{
		size_t		length = 0;
		const char *word = nulls[i] ? "NULL" : text_to_utf8(DatumGetTextPP(elements[i]), &length);
		int64		flag;

		if (nulls[i])
			length = 4;
		if (nulls[i] || !sql_scan_keep_flag(word, length, &flag))
			refuse_word(function, IDN_OPTION_KEEP, word, length);
		flags |= flag;
	}
	return flags;
}

/* Sets the option of argument `argument` (not NULL) into the scanner. */
static void
set_option(FunctionCallInfo fcinfo, const char *function, idn_scanner_t *scanner, int option, int argument)
{
	size_t		length;
	const char *bytes;
	int64		value;

	switch (option)
	{
		case IDN_OPTION_AS_OF_DATE:
			value = as_of_value(function, PG_GETARG_DATEADT(argument));
			break;
		case IDN_OPTION_KEY:
			{
				bytea	   *key = PG_GETARG_BYTEA_PP(argument);

				check_setter(function, idn_scanner_set_text(scanner, option, VARDATA_ANY(key), VARSIZE_ANY_EXHDR(key)));
				return;
			}
		case IDN_OPTION_LABEL:
			bytes = text_to_utf8(PG_GETARG_TEXT_PP(argument), &length);
			check_setter(function, idn_scanner_set_text(scanner, option, bytes, length));
			return;
		case IDN_OPTION_KEEP:
			value = keep_flags(function, PG_GETARG_ARRAYTYPE_P(argument));
			break;
		case IDN_OPTION_FIFTEEN_DIGITS:
			value = PG_GETARG_BOOL(argument);
			break;
		case IDN_OPTION_MASK_FIRST:
		case IDN_OPTION_MASK_LAST:
		case IDN_OPTION_TOKEN_LENGTH:
			value = PG_GETARG_INT32(argument);
			break;
		default:
			bytes = text_to_utf8(PG_GETARG_TEXT_PP(argument), &length);
			if (!sql_scan_word_value(option, bytes, length, &value))
				refuse_word(function, option, bytes, length);
			break;
	}
	check_setter(function, idn_scanner_set_integer(scanner, option, value));
}

/* Appends `length` bytes to the cache's fingerprint buffer at *at. */
static void
fingerprint_append(scan_cache *cache, Size *at, const void *bytes, Size length)
{
	if (*at + length > cache->fingerprint_capacity)
	{
		Size		capacity = Max(cache->fingerprint_capacity * 2, *at + length + 64);

		cache->fingerprint = repalloc(cache->fingerprint, capacity);
		cache->fingerprint_capacity = capacity;
	}
	memcpy(cache->fingerprint + *at, bytes, length);
	*at += length;
}

/*
 * The call site's scanner, prepared with the options of this call: the
 * arguments after the input, `options` their idn_option_t (as_of first when
 * `has_as_of`; else as_of is current_date). A refusal is an SQL error with
 * the library's message in the SQL names, or this file's for a word.
 */
static scan_cache *
prepared_scanner(FunctionCallInfo fcinfo, const char *function, const int *options, int count, bool has_as_of)
{
	scan_cache *cache = (scan_cache *) fcinfo->flinfo->fn_extra;
	Size		at,
				kept;
	int64		today = has_as_of ? 0 : transaction_date();
	int			i;

	if (cache == NULL)
	{
		cache = MemoryContextAllocZero(fcinfo->flinfo->fn_mcxt, sizeof *cache);
		cache->fingerprint = MemoryContextAlloc(fcinfo->flinfo->fn_mcxt, 256);
		cache->fingerprint_capacity = 256;
		fcinfo->flinfo->fn_extra = cache;
	}

	/* This call's options as bytes, after the kept ones. */
	kept = at = cache->fingerprint_length;
	fingerprint_append(cache, &at, &today, sizeof today);
	for (i = 0; i < count + (has_as_of ? 1 : 0); ++i)
	{
		const int	argument = 1 + i;
		const bool	null = PG_ARGISNULL(argument);
		const int	option = has_as_of ? (i == 0 ? IDN_OPTION_AS_OF_DATE : options[i - 1]) : options[i];

		fingerprint_append(cache, &at, &null, sizeof null);
		if (null)
			continue;
		if (option == IDN_OPTION_AS_OF_DATE || option == IDN_OPTION_FIFTEEN_DIGITS || option == IDN_OPTION_MASK_FIRST ||
			option == IDN_OPTION_MASK_LAST || option == IDN_OPTION_TOKEN_LENGTH)
		{
			Datum		value = PG_GETARG_DATUM(argument);

			fingerprint_append(cache, &at, &value, sizeof value);
		}
		else
		{
			struct varlena *value = PG_DETOAST_DATUM_PACKED(PG_GETARG_DATUM(argument));
			Size		size = VARSIZE_ANY_EXHDR(value);

			fingerprint_append(cache, &at, &size, sizeof size);
			fingerprint_append(cache, &at, VARDATA_ANY(value), size);
		}
	}
	if (cache->prepared && at - kept == kept && memcmp(cache->fingerprint, cache->fingerprint + kept, kept) == 0)
	{
		check_setter(function, idn_scanner_restart(&cache->scanner));
		return cache;
	}

	/* Other options: judged afresh, and kept once the library takes them. */
	memmove(cache->fingerprint, cache->fingerprint + kept, at - kept);
	cache->fingerprint_length = 0;
	cache->prepared = false;
	check_setter(function, idn_scanner_init(&cache->scanner, sizeof cache->scanner));
	if (!has_as_of)
		check_setter(function, idn_scanner_set_integer(&cache->scanner, IDN_OPTION_AS_OF_DATE, today));
	for (i = 0; i < count + (has_as_of ? 1 : 0); ++i)
	{
		const int	option = has_as_of ? (i == 0 ? IDN_OPTION_AS_OF_DATE : options[i - 1]) : options[i];

		if (!PG_ARGISNULL(1 + i))
			set_option(fcinfo, function, &cache->scanner, option, 1 + i);
	}
	if (idn_scanner_prepare(&cache->scanner) != IDN_OK)
	{
		char		message[IDN_MESSAGE_SIZE];
		size_t		written = 0,
					name_count;
		const char *const *names = sql_scan_names(&name_count);
		int32_t		status;

		idn_scanner_refusal(&cache->scanner, &status, NULL);
		idn_scanner_message(&cache->scanner, names, name_count, message, sizeof message, &written);
		report_refusal(function, status, message, written);
	}
	cache->fingerprint_length = at - kept;
	cache->prepared = true;
	return cache;
}

/* A failure of the scanner itself (its cryptography), never expected. */
static void
scanner_failed(const char *function, scan_cache *cache, int status)
{
	cache->prepared = false;
	elog(ERROR, "%s: the scanner failed: %s", function, idn_status_name(status));
}

/* ---- idn_redact and idn_redact_number ------------------------------------ */

/* The input's UTF-8 redacted, as text in the database's encoding. */
static Datum
redact(FunctionCallInfo fcinfo, bool has_as_of)
{
	scan_cache *cache;
	size_t		length,
				at = 0;
	const char *bytes;
	StringInfoData whole;
	bool		pieces;

	if (PG_ARGISNULL(0))
		PG_RETURN_NULL();
	cache = prepared_scanner(fcinfo, "idn_redact", redact_options, lengthof(redact_options), has_as_of);
	bytes = text_to_utf8(PG_GETARG_TEXT_PP(0), &length);
	if (cache->room_capacity < IDN_REDACT_SIZE(Min(length, REDACT_PIECE)))
	{
		Size		capacity = IDN_REDACT_SIZE(Min(length, REDACT_PIECE));

		cache->room = cache->room == NULL ? MemoryContextAlloc(fcinfo->flinfo->fn_mcxt, capacity)
			: repalloc(cache->room, capacity);
		cache->room_capacity = capacity;
	}
	/* One piece for a short text; pieces one after another for a long one. */
	pieces = length > REDACT_PIECE;
	if (pieces)
		initStringInfo(&whole);
	for (;;)
	{
		const size_t piece = Min(length - at, REDACT_PIECE);
		const int	final = at + piece == length;
		size_t		written = 0;
		int			status = idn_scanner_redact(&cache->scanner, bytes + at, piece, final, cache->room,
												cache->room_capacity, &written);

		if (status != IDN_OK)
			scanner_failed("idn_redact", cache, status);
		at += piece;
		if (!pieces)
			PG_RETURN_TEXT_P(utf8_to_text(cache->room, written));
		appendBinaryStringInfo(&whole, cache->room, (int) written);
		if (final)
			PG_RETURN_TEXT_P(utf8_to_text(whole.data, (size_t) whole.len));
	}
}

static Datum
redact_number(FunctionCallInfo fcinfo, bool has_as_of)
{
	scan_cache *cache;
	char		out[IDN_REDACT_NUMBER_SIZE];
	size_t		length,
				written = 0;
	const char *bytes;
	int			status;

	if (PG_ARGISNULL(0))
		PG_RETURN_NULL();
	cache = prepared_scanner(fcinfo, "idn_redact_number", redact_options, lengthof(redact_options), has_as_of);
	bytes = text_to_utf8(PG_GETARG_TEXT_PP(0), &length);
	status = idn_scanner_redact_number(&cache->scanner, bytes, length, out, sizeof out, &written);
	if (status == IDN_ERROR_NOT_FOUND)
		PG_RETURN_NULL();
	if (status != IDN_OK)
		scanner_failed("idn_redact_number", cache, status);
	PG_RETURN_TEXT_P(utf8_to_text(out, written));
}

PG_FUNCTION_INFO_V1(pg_idn_redact);
Datum
pg_idn_redact(PG_FUNCTION_ARGS)
{
	return redact(fcinfo, false);
}

PG_FUNCTION_INFO_V1(pg_idn_redact_as_of);
Datum
pg_idn_redact_as_of(PG_FUNCTION_ARGS)
{
	return redact(fcinfo, true);
}

PG_FUNCTION_INFO_V1(pg_idn_redact_number);
Datum
pg_idn_redact_number(PG_FUNCTION_ARGS)
{
	return redact_number(fcinfo, false);
}

PG_FUNCTION_INFO_V1(pg_idn_redact_number_as_of);
Datum
pg_idn_redact_number_as_of(PG_FUNCTION_ARGS)
{
	return redact_number(fcinfo, true);
}

/* ---- idn_find -------------------------------------------------------------- */

static Datum
name_datum(const char *utf8, bool *null)
{
	*null = utf8 == NULL;
	return *null ? (Datum) 0 : PointerGetDatum(utf8_to_text(utf8, strlen(utf8)));
}

/* The form's flags as an array of their names ('{}' for 18 ASCII characters together). */
static Datum
form_datum(int form)
{
	Datum		names[4];
	int			count = 0,
				flag;

	for (flag = IDN_FORM_FULLWIDTH; flag <= IDN_FORM_FIFTEEN_DIGITS; flag <<= 1)
		if ((form & flag) != 0)
			names[count++] = CStringGetTextDatum(idn_form_name(flag));
	return PointerGetDatum(construct_array(names, count, TEXTOID, -1, false, TYPALIGN_INT));
}

/* One match as a row of idn_find. start and length count characters, as
 * substr does; in an SQL_ASCII database, where every byte is one, bytes. */
static void
put_match(Tuplestorestate *rows, TupleDesc description, const idn_match_t *match)
{
	Datum		values[FIND_COLUMNS];
	bool		nulls[FIND_COLUMNS];
	const bool	valid = match->confidence >= IDN_CONFIDENCE_MEDIUM;
	const bool	bytes = GetDatabaseEncoding() == PG_SQL_ASCII;
	idn_region_fields_t fields = {.size = sizeof fields};
	bool		regions = valid && idn_region_fields(match->region_code, &fields) == IDN_OK;

	memset(nulls, 0, sizeof nulls);
	/* A text holds at most 1 GB: every count fits an integer. */
	values[FIND_START] = Int32GetDatum((int32) (bytes ? match->byte_offset : match->char_offset) + 1);
	values[FIND_LENGTH] = Int32GetDatum((int32) (bytes ? match->byte_length : match->char_length));
	values[FIND_LINE_NUMBER] = Int32GetDatum((int32) match->line);
	values[FIND_COLUMN_NUMBER] = Int32GetDatum((int32) match->column);
	values[FIND_NUMBER] = PointerGetDatum(cstring_to_text(match->number));
	values[FIND_FORM] = form_datum(match->form);
	values[FIND_CONFIDENCE] = name_datum(idn_confidence_name(match->confidence), &nulls[FIND_CONFIDENCE]);
	values[FIND_FLAW] = name_datum(idn_flaw_name(match->flaw), &nulls[FIND_FLAW]);
	values[FIND_KEYWORD] = name_datum(match->keyword, &nulls[FIND_KEYWORD]);
	values[FIND_KIND] = name_datum(valid ? idn_kind_name(match->kind) : NULL, &nulls[FIND_KIND]);
	nulls[FIND_BIRTH_DATE] = !valid;
	values[FIND_BIRTH_DATE] = valid ? DateADTGetDatum(date2j(match->birth_year, match->birth_month, match->birth_day) -
													  POSTGRES_EPOCH_JDATE) : (Datum) 0;
	values[FIND_SEX] = name_datum(valid ? idn_sex_name(match->sex) : NULL, &nulls[FIND_SEX]);
	nulls[FIND_REGION_CODE] = !valid;
	values[FIND_REGION_CODE] = Int32GetDatum(match->region_code);
	values[FIND_PROVINCE] = name_datum(regions ? fields.province : NULL, &nulls[FIND_PROVINCE]);
	values[FIND_CITY] = name_datum(regions ? fields.city : NULL, &nulls[FIND_CITY]);
	values[FIND_COUNTY] = name_datum(regions ? fields.county : NULL, &nulls[FIND_COUNTY]);
	tuplestore_putvalues(rows, description, values, nulls);
}

/*
 * The matches into a tuplestore (materialize mode), so that fn_extra stays
 * the call site's: the scanner is kept there from row to row.
 */
static Datum
find(FunctionCallInfo fcinfo, bool has_as_of)
{
	ReturnSetInfo *result = (ReturnSetInfo *) fcinfo->resultinfo;
	MemoryContext caller;
	Tuplestorestate *rows;
	TupleDesc	description;
	scan_cache *cache;
	size_t		length;
	const char *bytes;
	int			status;

	if (result == NULL || !IsA(result, ReturnSetInfo) || (result->allowedModes & SFRM_Materialize) == 0 ||
		result->expectedDesc == NULL)
		ereport(ERROR,
				(errcode(ERRCODE_FEATURE_NOT_SUPPORTED),
				 errmsg("idn_find: a set-returning function called where a set cannot be taken")));
	caller = MemoryContextSwitchTo(result->econtext->ecxt_per_query_memory);
	description = CreateTupleDescCopy(result->expectedDesc);
	rows = tuplestore_begin_heap((result->allowedModes & SFRM_Materialize_Random) != 0, false, work_mem);
	MemoryContextSwitchTo(caller);
	result->returnMode = SFRM_Materialize;
	result->setResult = rows;
	result->setDesc = description;
	if (PG_ARGISNULL(0))
		return (Datum) 0;

	cache = prepared_scanner(fcinfo, "idn_find", find_options, lengthof(find_options), has_as_of);
	bytes = text_to_utf8(PG_GETARG_TEXT_PP(0), &length);
	if ((status = idn_scanner_feed(&cache->scanner, bytes, length, 1)) != IDN_OK)
		scanner_failed("idn_find", cache, status);
	for (;;)
	{
		idn_match_t match = {.size = sizeof match};
		int			found = idn_scanner_next(&cache->scanner, &match);

		if (found < 0)
			scanner_failed("idn_find", cache, found);
		if (found == 0)
			break;
		put_match(rows, description, &match);
	}
	return (Datum) 0;
}

PG_FUNCTION_INFO_V1(pg_idn_find);
Datum
pg_idn_find(PG_FUNCTION_ARGS)
{
	return find(fcinfo, false);
}

PG_FUNCTION_INFO_V1(pg_idn_find_as_of);
Datum
pg_idn_find_as_of(PG_FUNCTION_ARGS)
{
	return find(fcinfo, true);
}
