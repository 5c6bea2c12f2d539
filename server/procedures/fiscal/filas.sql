-- What the seller-tax windows (masterven_imp, editaimpuestovend) and the
-- fiscal monitor (Form36) read and write. The login role has no right on
-- the tables: each of their statements is one of these, and a delete or an
-- add reaches only the one row of the key it is given.

-- A seller's taxes, by code, with the catalogue's name of each.
CREATE FUNCTION impuestos_vendedor(xcodvendedor varchar)
RETURNS TABLE (codigo_impuesto varchar, descripcionimp varchar, porcentaje_impuesto numeric)
LANGUAGE sql STABLE AS $$
  SELECT v.codigo_impuesto,
         (SELECT i.descri_impuesto FROM impuesto i WHERE i.codigo_impuesto = v.codigo_impuesto),
         v.porcentaje_impuesto
    FROM vend_imp v
   WHERE v.codvendedor = xcodvendedor
   ORDER BY v.codigo_impuesto
$$;

-- Deletes one tax of a seller: the deleted row's seller, or no row.
CREATE FUNCTION borra_vend_imp(xcodvendedor varchar, xcodigo_impuesto varchar)
RETURNS TABLE (codvendedor varchar)
LANGUAGE sql AS $$
  DELETE FROM vend_imp v WHERE v.codvendedor = xcodvendedor AND v.codigo_impuesto = xcodigo_impuesto
  RETURNING v.codvendedor
$$;

-- The tax catalogue's codes and names, by code.
CREATE FUNCTION catalogo_impuestos()
RETURNS TABLE (codigo_impuesto varchar, descri_impuesto varchar)
LANGUAGE sql STABLE AS $$
  SELECT i.codigo_impuesto, i.descri_impuesto FROM impuesto i ORDER BY i.codigo_impuesto
$$;

-- The seller's row of one tax, or none.
CREATE FUNCTION busca_vend_imp(xcodvendedor varchar, xcodigo_impuesto varchar)
RETURNS TABLE (codvendedor varchar, codigo_impuesto varchar)
LANGUAGE sql STABLE AS $$
  SELECT v.codvendedor, v.codigo_impuesto FROM vend_imp v
   WHERE v.codvendedor = xcodvendedor AND v.codigo_impuesto = xcodigo_impuesto
$$;

-- Gives a seller a tax of the catalogue, only while both exist and the
-- seller does not have it yet: the seller of the row written, or no row.
CREATE FUNCTION agrega_vend_imp(xcodvendedor varchar, xcodigo_impuesto varchar,
                                xporcentaje numeric, xaplica varchar)
RETURNS TABLE (codvendedor varchar)
LANGUAGE sql AS $$
  INSERT INTO vend_imp AS r (codvendedor, codigo_impuesto, porcentaje_impuesto, muestramonitor, aplica_impuesto)
  SELECT v.codvendedor, i.codigo_impuesto, xporcentaje, '1', xaplica
    FROM vendedor v, impuesto i
   WHERE v.codvendedor = xcodvendedor AND i.codigo_impuesto = xcodigo_impuesto
  ON CONFLICT DO NOTHING
  RETURNING r.codvendedor
$$;

-- The fiscal monitor's seller-days: each seller's sums of sales and prizes
-- per day, with the seller's name, of the days from `xdesde` to `xhasta`
-- ("dd/mm/yyyy"), or of every day when both are empty.
CREATE FUNCTION monitor_fiscal_dias(xdesde varchar, xhasta varchar)
RETURNS TABLE (vendedor varchar, fecha date, nombre_vend varchar, total_venta numeric, premios numeric)
LANGUAGE plpgsql STABLE AS $$
BEGIN
  IF btrim(coalesce(xdesde, '')) = '' AND btrim(coalesce(xhasta, '')) = '' THEN
    RETURN QUERY
      SELECT s.vendedor, s.fecha,
             (SELECT v.nombre_vend FROM vendedor v WHERE v.codvendedor = s.vendedor),
             sum(s.total_venta), sum(s.premios)
        FROM saldosdias s
       GROUP BY s.vendedor, s.fecha
       ORDER BY s.vendedor, s.fecha;
  ELSE
    RETURN QUERY
      SELECT s.vendedor, s.fecha,
             (SELECT v.nombre_vend FROM vendedor v WHERE v.codvendedor = s.vendedor),
             sum(s.total_venta), sum(s.premios)
        FROM saldosdias s
       WHERE s.fecha BETWEEN lee_fecha(xdesde, 'Desde') AND lee_fecha(xhasta, 'Hasta')
       GROUP BY s.vendedor, s.fecha
       ORDER BY s.vendedor, s.fecha;
  END IF;
END $$;

-- The fiscal monitor's regions and municipalities, codes and names.
CREATE FUNCTION monitor_fiscal_regiones()
RETURNS TABLE (codigo_gobernacion varchar, descri_gobernacion varchar)
LANGUAGE sql STABLE AS $$
  SELECT g.codigo_gobernacion, g.descri_gobernacion FROM gobernacion g ORDER BY g.codigo_gobernacion
$$;

CREATE FUNCTION monitor_fiscal_municipios()
RETURNS TABLE (codigo_alcaldia varchar, descri_alcaldia varchar)
LANGUAGE sql STABLE AS $$
  SELECT a.codigo_alcaldia, a.descri_alcaldia FROM alcaldia a ORDER BY a.codigo_gobernacion, a.codigo_alcaldia
$$;

-- Every seller's taxes, with the catalogue's name of each.
CREATE FUNCTION monitor_fiscal_impuestos()
RETURNS TABLE (codigo_impuesto varchar, porcentaje_impuesto numeric, codvendedor varchar,
               aplica_impuesto varchar, descri_impuesto varchar)
LANGUAGE sql STABLE AS $$
  SELECT v.codigo_impuesto, v.porcentaje_impuesto, v.codvendedor, v.aplica_impuesto,
         (SELECT i.descri_impuesto FROM impuesto i WHERE i.codigo_impuesto = v.codigo_impuesto)
    FROM vend_imp v
   ORDER BY v.codvendedor, v.codigo_impuesto
$$;
