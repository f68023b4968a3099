// GENERATED FILE - DO NOT EDIT. Written by scripts/generate_api_constants.py from capi/idnumber.h.
//
// The layouts the bindings were given, held to the compiler's: a build for a
// target whose layout differs stops here.
#ifndef TESTS_CAPI_API_LAYOUTS_H
#define TESTS_CAPI_API_LAYOUTS_H

#include <stddef.h>
#include <stdint.h>

#include "capi/idnumber.h"

#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(offsetof(idn_verdict_t, size) == 0, "idn_verdict_t.size");
static_assert(offsetof(idn_verdict_t, reason) == 4, "idn_verdict_t.reason");
static_assert(offsetof(idn_verdict_t, kind) == 8, "idn_verdict_t.kind");
static_assert(offsetof(idn_verdict_t, sex) == 12, "idn_verdict_t.sex");
static_assert(offsetof(idn_verdict_t, birth_year) == 16, "idn_verdict_t.birth_year");
static_assert(offsetof(idn_verdict_t, birth_month) == 20, "idn_verdict_t.birth_month");
static_assert(offsetof(idn_verdict_t, birth_day) == 24, "idn_verdict_t.birth_day");
static_assert(offsetof(idn_verdict_t, region_code) == 28, "idn_verdict_t.region_code");
static_assert(offsetof(idn_verdict_t, expected_check) == 32, "idn_verdict_t.expected_check");
static_assert(offsetof(idn_verdict_t, reserved) == 36, "idn_verdict_t.reserved");
static_assert(offsetof(idn_verdict_t, length) == 40, "idn_verdict_t.length");
static_assert(sizeof(idn_verdict_t) == 48, "sizeof(idn_verdict_t)");
static_assert(offsetof(idn_region_fields_t, size) == 0, "idn_region_fields_t.size");
static_assert(offsetof(idn_region_fields_t, province) == 4, "idn_region_fields_t.province");
static_assert(offsetof(idn_region_fields_t, city) == 8, "idn_region_fields_t.city");
static_assert(offsetof(idn_region_fields_t, county) == 12, "idn_region_fields_t.county");
static_assert(sizeof(idn_region_fields_t) == 16, "sizeof(idn_region_fields_t)");
static_assert(offsetof(idn_region_t, size) == 0, "idn_region_t.size");
static_assert(offsetof(idn_region_t, code) == 4, "idn_region_t.code");
static_assert(offsetof(idn_region_t, name) == 8, "idn_region_t.name");
static_assert(offsetof(idn_region_t, level) == 12, "idn_region_t.level");
static_assert(offsetof(idn_region_t, province) == 16, "idn_region_t.province");
static_assert(offsetof(idn_region_t, city) == 20, "idn_region_t.city");
static_assert(sizeof(idn_region_t) == 24, "sizeof(idn_region_t)");
static_assert(offsetof(idn_history_record_t, size) == 0, "idn_history_record_t.size");
static_assert(offsetof(idn_history_record_t, code) == 4, "idn_history_record_t.code");
static_assert(offsetof(idn_history_record_t, name) == 8, "idn_history_record_t.name");
static_assert(offsetof(idn_history_record_t, province) == 12, "idn_history_record_t.province");
static_assert(offsetof(idn_history_record_t, prefecture) == 16, "idn_history_record_t.prefecture");
static_assert(offsetof(idn_history_record_t, level) == 20, "idn_history_record_t.level");
static_assert(offsetof(idn_history_record_t, from) == 24, "idn_history_record_t.from");
static_assert(offsetof(idn_history_record_t, until) == 28, "idn_history_record_t.until");
static_assert(sizeof(idn_history_record_t) == 32, "sizeof(idn_history_record_t)");
static_assert(offsetof(idn_successor_t, size) == 0, "idn_successor_t.size");
static_assert(offsetof(idn_successor_t, code) == 4, "idn_successor_t.code");
static_assert(offsetof(idn_successor_t, name) == 8, "idn_successor_t.name");
static_assert(offsetof(idn_successor_t, status) == 12, "idn_successor_t.status");
static_assert(sizeof(idn_successor_t) == 16, "sizeof(idn_successor_t)");
static_assert(offsetof(idn_present_code_t, size) == 0, "idn_present_code_t.size");
static_assert(offsetof(idn_present_code_t, code) == 4, "idn_present_code_t.code");
static_assert(offsetof(idn_present_code_t, name) == 8, "idn_present_code_t.name");
static_assert(sizeof(idn_present_code_t) == 12, "sizeof(idn_present_code_t)");
static_assert(offsetof(idn_region_info_t, size) == 0, "idn_region_info_t.size");
static_assert(offsetof(idn_region_info_t, code) == 4, "idn_region_info_t.code");
static_assert(offsetof(idn_region_info_t, kind) == 8, "idn_region_info_t.kind");
static_assert(offsetof(idn_region_info_t, status) == 12, "idn_region_info_t.status");
static_assert(offsetof(idn_region_info_t, province) == 16, "idn_region_info_t.province");
static_assert(offsetof(idn_region_info_t, city) == 20, "idn_region_info_t.city");
static_assert(offsetof(idn_region_info_t, county) == 24, "idn_region_info_t.county");
static_assert(offsetof(idn_region_info_t, nationality) == 28, "idn_region_info_t.nationality");
static_assert(offsetof(idn_region_info_t, nationality_code) == 32, "idn_region_info_t.nationality_code");
static_assert(offsetof(idn_region_info_t, in_use_at_birth) == 36, "idn_region_info_t.in_use_at_birth");
static_assert(offsetof(idn_region_info_t, years_from) == 40, "idn_region_info_t.years_from");
static_assert(offsetof(idn_region_info_t, years_to) == 44, "idn_region_info_t.years_to");
static_assert(sizeof(idn_region_info_t) == 48, "sizeof(idn_region_info_t)");
#else
static_assert(offsetof(idn_verdict_t, size) == 0, "idn_verdict_t.size");
static_assert(offsetof(idn_verdict_t, reason) == 4, "idn_verdict_t.reason");
static_assert(offsetof(idn_verdict_t, kind) == 8, "idn_verdict_t.kind");
static_assert(offsetof(idn_verdict_t, sex) == 12, "idn_verdict_t.sex");
static_assert(offsetof(idn_verdict_t, birth_year) == 16, "idn_verdict_t.birth_year");
static_assert(offsetof(idn_verdict_t, birth_month) == 20, "idn_verdict_t.birth_month");
static_assert(offsetof(idn_verdict_t, birth_day) == 24, "idn_verdict_t.birth_day");
static_assert(offsetof(idn_verdict_t, region_code) == 28, "idn_verdict_t.region_code");
static_assert(offsetof(idn_verdict_t, expected_check) == 32, "idn_verdict_t.expected_check");
static_assert(offsetof(idn_verdict_t, reserved) == 36, "idn_verdict_t.reserved");
static_assert(offsetof(idn_verdict_t, length) == 40, "idn_verdict_t.length");
static_assert(sizeof(idn_verdict_t) == 48, "sizeof(idn_verdict_t)");
static_assert(offsetof(idn_region_fields_t, size) == 0, "idn_region_fields_t.size");
static_assert(offsetof(idn_region_fields_t, province) == 8, "idn_region_fields_t.province");
static_assert(offsetof(idn_region_fields_t, city) == 16, "idn_region_fields_t.city");
static_assert(offsetof(idn_region_fields_t, county) == 24, "idn_region_fields_t.county");
static_assert(sizeof(idn_region_fields_t) == 32, "sizeof(idn_region_fields_t)");
static_assert(offsetof(idn_region_t, size) == 0, "idn_region_t.size");
static_assert(offsetof(idn_region_t, code) == 4, "idn_region_t.code");
static_assert(offsetof(idn_region_t, name) == 8, "idn_region_t.name");
static_assert(offsetof(idn_region_t, level) == 16, "idn_region_t.level");
static_assert(offsetof(idn_region_t, province) == 24, "idn_region_t.province");
static_assert(offsetof(idn_region_t, city) == 32, "idn_region_t.city");
static_assert(sizeof(idn_region_t) == 40, "sizeof(idn_region_t)");
static_assert(offsetof(idn_history_record_t, size) == 0, "idn_history_record_t.size");
static_assert(offsetof(idn_history_record_t, code) == 4, "idn_history_record_t.code");
static_assert(offsetof(idn_history_record_t, name) == 8, "idn_history_record_t.name");
static_assert(offsetof(idn_history_record_t, province) == 16, "idn_history_record_t.province");
static_assert(offsetof(idn_history_record_t, prefecture) == 24, "idn_history_record_t.prefecture");
static_assert(offsetof(idn_history_record_t, level) == 32, "idn_history_record_t.level");
static_assert(offsetof(idn_history_record_t, from) == 40, "idn_history_record_t.from");
static_assert(offsetof(idn_history_record_t, until) == 44, "idn_history_record_t.until");
static_assert(sizeof(idn_history_record_t) == 48, "sizeof(idn_history_record_t)");
static_assert(offsetof(idn_successor_t, size) == 0, "idn_successor_t.size");
static_assert(offsetof(idn_successor_t, code) == 4, "idn_successor_t.code");
static_assert(offsetof(idn_successor_t, name) == 8, "idn_successor_t.name");
static_assert(offsetof(idn_successor_t, status) == 16, "idn_successor_t.status");
static_assert(sizeof(idn_successor_t) == 24, "sizeof(idn_successor_t)");
static_assert(offsetof(idn_present_code_t, size) == 0, "idn_present_code_t.size");
static_assert(offsetof(idn_present_code_t, code) == 4, "idn_present_code_t.code");
static_assert(offsetof(idn_present_code_t, name) == 8, "idn_present_code_t.name");
static_assert(sizeof(idn_present_code_t) == 16, "sizeof(idn_present_code_t)");
static_assert(offsetof(idn_region_info_t, size) == 0, "idn_region_info_t.size");
static_assert(offsetof(idn_region_info_t, code) == 4, "idn_region_info_t.code");
static_assert(offsetof(idn_region_info_t, kind) == 8, "idn_region_info_t.kind");
static_assert(offsetof(idn_region_info_t, status) == 12, "idn_region_info_t.status");
static_assert(offsetof(idn_region_info_t, province) == 16, "idn_region_info_t.province");
static_assert(offsetof(idn_region_info_t, city) == 24, "idn_region_info_t.city");
static_assert(offsetof(idn_region_info_t, county) == 32, "idn_region_info_t.county");
static_assert(offsetof(idn_region_info_t, nationality) == 40, "idn_region_info_t.nationality");
static_assert(offsetof(idn_region_info_t, nationality_code) == 48, "idn_region_info_t.nationality_code");
static_assert(offsetof(idn_region_info_t, in_use_at_birth) == 52, "idn_region_info_t.in_use_at_birth");
static_assert(offsetof(idn_region_info_t, years_from) == 56, "idn_region_info_t.years_from");
static_assert(offsetof(idn_region_info_t, years_to) == 60, "idn_region_info_t.years_to");
static_assert(sizeof(idn_region_info_t) == 64, "sizeof(idn_region_info_t)");
#endif

#endif
