-- The last step of every load, as the owner role (psql variables owner,
-- login, and llamadas: the names of server/llamadas.txt, separated by
-- blanks). It gives the login role what the back office and the updater
-- need and nothing else:
--   * CONNECT on the database (no TEMPORARY, no CREATE), USAGE on the schemas;
--   * EXECUTE on the routines of schema proc that the program and the
--     updater call, those named in server/llamadas.txt, and on no other
--     (the helpers they call run as the owner, out of the caller's reach);
--   * no right on any table: every statement of the windows is a procedure
--     that reads or writes only the rows of the keys it is given.
-- Every routine of proc runs as the owner (SECURITY DEFINER) with a fixed
-- search path ending in pg_temp, so no object the caller could make is ever
-- found before ours. A new procedure gets these on each load; one the
-- program calls gets its line in server/llamadas.txt.
SELECT format('REVOKE ALL ON DATABASE %I FROM PUBLIC', current_database()) \gexec
SELECT format('GRANT CONNECT ON DATABASE %I TO %I', current_database(), :'login') \gexec
REVOKE ALL ON SCHEMA public FROM PUBLIC;
REVOKE ALL ON SCHEMA proc FROM PUBLIC;
GRANT USAGE ON SCHEMA public TO :"login";
GRANT USAGE ON SCHEMA proc TO :"login";
REVOKE ALL ON ALL TABLES IN SCHEMA public FROM PUBLIC, :"login";
REVOKE ALL ON ALL SEQUENCES IN SCHEMA public FROM PUBLIC, :"login";

SELECT format('ALTER ROUTINE %s SECURITY DEFINER SET search_path = proc, public, pg_temp', p.oid::regprocedure),
       format('REVOKE ALL ON ROUTINE %s FROM PUBLIC, %I', p.oid::regprocedure, :'login')
  FROM pg_proc p
 WHERE p.pronamespace = 'proc'::regnamespace AND p.prokind IN ('f', 'p')
\gexec

SELECT format('GRANT EXECUTE ON ROUTINE %s TO %I', p.oid::regprocedure, :'login')
  FROM pg_proc p
 WHERE p.pronamespace = 'proc'::regnamespace AND p.prokind IN ('f', 'p')
   AND lower(p.proname) = ANY (regexp_split_to_array(lower(btrim(:'llamadas')), '\s+'))
\gexec
