-- The last step of every load, as the owner role (psql variables owner,
-- login, and casa: true for a house database). It gives the login role what
-- the back office needs and nothing else:
--   * CONNECT on the database (no TEMPORARY, no CREATE), USAGE on the schemas;
--   * EXECUTE on every routine of schema proc, each of which runs as the
--     owner (SECURITY DEFINER) with a fixed search path ending in pg_temp,
--     so no object the caller could make is ever found before ours;
--   * on the tables, only the rights of the plain statements the windows
--     send, listed below with the window that sends each.
-- A new procedure needs nothing here: every routine of proc gets the
-- conventions on each load.
SELECT format('REVOKE ALL ON DATABASE %I FROM PUBLIC', current_database()) \gexec
SELECT format('GRANT CONNECT ON DATABASE %I TO %I', current_database(), :'login') \gexec
REVOKE ALL ON SCHEMA public FROM PUBLIC;
REVOKE ALL ON SCHEMA proc FROM PUBLIC;
GRANT USAGE ON SCHEMA public TO :"login";
GRANT USAGE ON SCHEMA proc TO :"login";
REVOKE ALL ON ALL TABLES IN SCHEMA public FROM PUBLIC, :"login";
REVOKE ALL ON ALL SEQUENCES IN SCHEMA public FROM PUBLIC, :"login";

SELECT format('ALTER ROUTINE %s SECURITY DEFINER SET search_path = proc, public, pg_temp', p.oid::regprocedure),
       format('REVOKE ALL ON ROUTINE %s FROM PUBLIC', p.oid::regprocedure),
       format('GRANT EXECUTE ON ROUTINE %s TO %I', p.oid::regprocedure, :'login')
  FROM pg_proc p
 WHERE p.pronamespace = 'proc'::regnamespace AND p.prokind IN ('f', 'p')
\gexec

\if :casa
-- Lottery catalogue, special-play parameters (Form10): reads a row with
-- SELECT * FROM lotespec WHERE ... and deletes it with DELETE FROM lotespec.
GRANT SELECT, DELETE ON public.lotespec TO :"login";
-- Special-play details (Form6): DELETE FROM jugadeta WHERE especial = ...
-- AND jugada = ... (a DELETE reads the columns of its WHERE).
GRANT SELECT (especial, jugada), DELETE ON public.jugadeta TO :"login";
-- Winning-number entry (Form17): the special plays of a lottery, their
-- names and details, SELECT especial FROM LOTESPEC / SELECT * FROM jugadas /
-- SELECT * FROM JUGADETA, each WHERE a code equals a bound value.
GRANT SELECT ON public.jugadas, public.jugadeta TO :"login";
-- A seller's special-play parameters (paramvendespe) fill their
-- special-play box with Select * from jugadas (granted above).
-- A seller's parameters for one lottery (Form12): DELETE FROM ven_lot
-- WHERE cod_lot = ... AND codvendedor = ...
GRANT SELECT (cod_lot, codvendedor), DELETE ON public.ven_lot TO :"login";
-- A seller's parameters for one special play of a lottery (Form16): DELETE
-- FROM vendespec WHERE cod_lot = ... AND especial = ... AND codvendedor = ...
GRANT SELECT (cod_lot, especial, codvendedor), DELETE ON public.vendespec TO :"login";
-- A seller's taxes (masterven_imp): SELECT codigo_impuesto, (the tax's
-- descri_impuesto), porcentaje_impuesto FROM vend_imp WHERE codvendedor =
-- ...; DELETE FROM vend_imp WHERE codvendedor = ... AND codigo_impuesto =
-- ... RETURNING codvendedor. Its editor (editaimpuestovend): SELECT
-- codigo_impuesto, descri_impuesto FROM impuesto; the same pair's SELECT;
-- INSERT INTO vend_imp (its five columns) SELECT ... FROM vendedor, impuesto
-- WHERE both codes are the chosen ones ON CONFLICT DO NOTHING RETURNING
-- codvendedor.
GRANT SELECT (codigo_impuesto, descri_impuesto) ON public.impuesto TO :"login";
GRANT SELECT (codvendedor, codigo_impuesto, porcentaje_impuesto, aplica_impuesto),
      INSERT (codvendedor, codigo_impuesto, porcentaje_impuesto, muestramonitor, aplica_impuesto),
      DELETE ON public.vend_imp TO :"login";
GRANT SELECT (codvendedor) ON public.vendedor TO :"login";
-- Fiscal monitor (Form36): the regions' and municipalities' codes and
-- names; each seller-day's sums of sales and prizes in saldosdias with the
-- seller's name; every seller's taxes (granted above).
GRANT SELECT (codigo_gobernacion, descri_gobernacion) ON public.gobernacion TO :"login";
GRANT SELECT (codigo_gobernacion, codigo_alcaldia, descri_alcaldia) ON public.alcaldia TO :"login";
GRANT SELECT (nombre_vend) ON public.vendedor TO :"login";
GRANT SELECT (vendedor, fecha, total_venta, premios) ON public.saldosdias TO :"login";
\endif
