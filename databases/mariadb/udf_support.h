/*
 * udf_support.h: what the module's C files share (idnumber_udf.c defines
 * it): the server's error service, refusals of an init, and what an init
 * knows of its arguments.
 */
#ifndef UDF_SUPPORT_H
#define UDF_SUPPORT_H

#include <mysql.h>

/* The server's buffer for a string result has at least this many bytes. */
#define RESULT_BUFFER_SIZE 255

/* The server's error service (my_printf_error of MariaDB's plugin
 * services), exported by mariadbd; NULL where the module is loaded by
 * another program. */
typedef void (*printf_error_function)(unsigned int error, const char* format, unsigned long flags, ...);
#define SERVER_WARNING 2048 /* ME_WARNING of service_my_print_error.h */
printf_error_function server_printf_error(void);

/* Refuses an init with `text`: into the server's buffer and raised whole
 * through the error service. Returns 1, the init's refusal. */
my_bool refuse(char* message, const char* function, const char* text);

/* A warning of the statement, "function: text", where the server is MariaDB. */
void warn_statement(const char* function, const char* text);

/* What an init knows of an argument's value. */
enum argument_kind {
    ARGUMENT_VALUE,       /* a constant: args[i] holds it */
    ARGUMENT_NULL,        /* the constant NULL */
    ARGUMENT_PLACEHOLDER, /* a placeholder while the statement is prepared: each EXECUTE inits again with its value */
    ARGUMENT_ROW          /* a column or an expression: each row brings its value */
};
enum argument_kind argument_kind(const UDF_ARGS* args, unsigned i);

/* An INTEGER argument's value. */
long long integer_argument(const UDF_ARGS* args, unsigned i);

/* A number or text argument: a string, or an integer the server hands over
 * as its decimal text; 0 for any other type. */
int text_argument(UDF_ARGS* args, unsigned i);

/* An integer argument; a NULL or a placeholder is asked for as one. 0 for
 * any other type. */
int integer_parameter(UDF_ARGS* args, unsigned i);

#endif
