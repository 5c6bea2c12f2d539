-- Demo data: the last four days of sales up to the date of loading, so the
-- demo always has recent activity. The day before yesterday and earlier are
-- awarded, yesterday's results are recorded but not processed (for the
-- prize-processing window), today is still selling; the taxes of the
-- oldest day are processed.

SELECT reloj_servidor()::date - 3 AS desde,
       reloj_servidor()::date AS hasta,
       reloj_servidor()::date - 1 AS resultados_hasta,
       reloj_servidor()::date - 2 AS premiados_hasta,
       reloj_servidor()::date - 3 AS impuestos_hasta,
       15 AS tickets_dia,
       3 AS jugadas_ticket,
       2007 AS semilla
\gset

\ir comun/ventas.sql
\ir comun/premiacion.sql
