-- The first step of every load, as the cluster's superuser (psql variables
-- owner and login name the roles): makes the roles when missing and hands
-- whatever the login role still owns (a database loaded before the roles
-- were split) to the owner role.
SELECT rolsuper AS es_superusuario FROM pg_roles WHERE rolname = current_user \gset
\if :es_superusuario
\else
  \echo 'server/load must run as a superuser of the cluster (PGUSER)'
  SELECT 1/0 AS "server/load must run as a superuser of the cluster";
\endif

SELECT format('CREATE ROLE %I NOLOGIN', :'owner')
 WHERE NOT EXISTS (SELECT FROM pg_roles WHERE rolname = :'owner') \gexec
-- A login role made here has no password: the administrator gives it the
-- one the program holds (ALTER ROLE ... PASSWORD).
SELECT format('CREATE ROLE %I LOGIN', :'login')
 WHERE NOT EXISTS (SELECT FROM pg_roles WHERE rolname = :'login') \gexec
-- The program's sessions need these; they are set on its login role alone.
-- A statement of that role ends after 15 minutes, the longest the program
-- waits on its shared connection; its long runs (prize and tax processing)
-- set their own time-out on the connection they open for them.
SELECT format('ALTER ROLE %I SET %s = %L', :'login', s.nombre, s.valor)
  FROM (VALUES ('search_path', 'proc, public'), ('DateStyle', 'ISO, DMY'),
               ('statement_timeout', '15min')) AS s (nombre, valor)
 WHERE NOT EXISTS (SELECT FROM pg_db_role_setting r
                    WHERE r.setrole = (SELECT oid FROM pg_roles WHERE rolname = :'login')
                      AND r.setdatabase = 0
                      AND lower(s.nombre) || '=' || s.valor = ANY (
                            SELECT lower(split_part(c, '=', 1)) || '=' || substr(c, strpos(c, '=') + 1)
                              FROM unnest(r.setconfig) c))
\gexec

SELECT format('REASSIGN OWNED BY %I TO %I', :'login', :'owner')
 WHERE EXISTS (SELECT FROM pg_shdepend d
                WHERE d.refclassid = 'pg_authid'::regclass
                  AND d.refobjid = (SELECT oid FROM pg_roles WHERE rolname = :'login')
                  AND d.deptype = 'o'
                  AND d.dbid IN (0, (SELECT oid FROM pg_database WHERE datname = current_database())))
\gexec
SELECT format('ALTER DATABASE %I OWNER TO %I', current_database(), :'owner')
 WHERE (SELECT datdba FROM pg_database WHERE datname = current_database())
       <> (SELECT oid FROM pg_roles WHERE rolname = :'owner') \gexec

SET ROLE :"owner";
