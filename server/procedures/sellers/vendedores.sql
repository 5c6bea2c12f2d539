-- The sellers: the catalogue's list (LIST_VEN), the save of the seller
-- editor (ACTVEN) and the delete of the catalogue (Borreven).

-- LIST_VEN: every seller, by code, with every column of the seller record
-- the catalogue shows and the editor copies. The code is column 0, the name
-- column 1 and the group chief column 2 (windows that walk the shared
-- seller list show columns 0 and 1 and hide 2); the rest are read by name.
-- NOMBREGRUPO, Descri_Alcaldia and Descri_Gobernacion begin with the code
-- of the chief, municipality and region and a blank, as the editor's lists
-- show them ("code .- name", "code - name"), because the editor takes the
-- codes back from those texts; they are NULL when the seller has none.
CREATE FUNCTION LIST_VEN()
RETURNS TABLE (
  codvendedor varchar, nombre_vend varchar, perteneceal varchar,
  direccion_vend varchar, telefono_vend varchar, email_vend varchar, clave_vend varchar,
  estado_vend varchar, tipode_pago varchar, NOMBREGRUPO text,
  Diascaduca integer, comision_jefe numeric, impuesto numeric,
  codigo_alcaldia varchar, Descri_Alcaldia text, codigo_gobernacion varchar,
  Descri_Gobernacion text, rif varchar, nit varchar,
  Minimo_tri numeric, Minimo_ter numeric, Lim_Tri numeric, Lim_ter numeric,
  Comi_Tri numeric, Comi_Ter numeric, P_tri_1 numeric, P_tri_2 numeric, P_Tri_3 numeric,
  P_ter_1 numeric, P_ter_2 numeric, P_ter_3 numeric,
  Pagacomodin varchar, montocomodin numeric,
  Montom_digito numeric, Lim_Digito numeric, Comi_digito numeric, Premio_digito numeric,
  Lim_NumA numeric, Lim_NumB numeric, Montom_par numeric, Comispar numeric,
  Premiopar numeric, sencillo_par numeric)
LANGUAGE sql STABLE AS $$
  SELECT v.codvendedor, v.nombre_vend, v.perteneceal,
         v.direccion_vend, v.telefono_vend, v.email_vend, v.clave_vend,
         v.estado_vend, v.tipode_pago,
         CASE WHEN j.codvendedor IS NOT NULL
              THEN btrim(j.codvendedor) || ' .- ' || rtrim(j.nombre_vend) END,
         v.diascaduca, v.comision_jefe, v.impuesto,
         v.codigo_alcaldia,
         CASE WHEN a.codigo_alcaldia IS NOT NULL
              THEN a.codigo_alcaldia || ' - ' || rtrim(a.descri_alcaldia) END,
         v.codigo_gobernacion,
         CASE WHEN g.codigo_gobernacion IS NOT NULL
              THEN g.codigo_gobernacion || ' - ' || rtrim(g.descri_gobernacion) END,
         v.rif, v.nit,
         v.minimo_tri, v.minimo_ter, v.lim_tri, v.lim_ter, v.comi_tri, v.comi_ter,
         v.p_tri_1, v.p_tri_2, v.p_tri_3, v.p_ter_1, v.p_ter_2, v.p_ter_3,
         v.pagacomodin, v.montocomodin,
         v.montom_digito, v.lim_digito, v.comi_digito, v.premio_digito,
         v.lim_numa, v.lim_numb, v.montom_par, v.comispar, v.premiopar, v.sencillo_par
  FROM vendedor v
  LEFT JOIN vendedor j ON j.codvendedor = v.perteneceal
  LEFT JOIN alcaldia a ON a.codigo_alcaldia = v.codigo_alcaldia
                      AND a.codigo_gobernacion = v.codigo_gobernacion
  LEFT JOIN gobernacion g ON g.codigo_gobernacion = v.codigo_gobernacion
  ORDER BY v.codvendedor
$$;

-- Borreven code: deletes the seller (trailing blanks of the code do not
-- count) with his parameters per lottery and special play, his sale-point
-- users, messages and taxes; his terminals are left assigned to nobody.
-- The catalogue reads no answer, so every refusal is an error whose
-- message the operator sees: a code of no seller, a seller whom tickets,
-- movements, expenses, line-ups or daily results name (history is never
-- deleted), a seller who is the group chief of other sellers.
CREATE FUNCTION Borreven(xcodvendedor varchar)
RETURNS void
LANGUAGE plpgsql AS $$
DECLARE
  codigo text := rtrim(coalesce(xcodvendedor, ''));
  tabla text;
  motivo text;
BEGIN
  BEGIN
    DELETE FROM vendedor v WHERE rtrim(v.codvendedor) = codigo;
    IF NOT FOUND THEN
      RAISE EXCEPTION 'No existe el vendedor "%"', codigo;
    END IF;
  EXCEPTION WHEN foreign_key_violation THEN
    GET STACKED DIAGNOSTICS tabla = TABLE_NAME;
    motivo := CASE tabla
      WHEN 'tickets' THEN 'tiene tickets'
      WHEN 'jugadasticket' THEN 'tiene tickets'
      WHEN 'movimientos' THEN 'tiene movimientos'
      WHEN 'prestamos' THEN 'tiene movimientos'
      WHEN 'gastosvendedor' THEN 'tiene gastos'
      WHEN 'historicolineup' THEN 'tiene line-up registrado'
      WHEN 'saldosdias' THEN 'tiene resultados diarios'
      WHEN 'vendedor' THEN 'es jefe de grupo de otros vendedores'
      ELSE 'otros registros lo nombran (' || tabla || ')' END;
    RAISE EXCEPTION 'No se puede eliminar el vendedor %: %', codigo, motivo;
  END;
END $$;

-- ACTVEN mode and the seller record in the editor's order: "1" adds the
-- seller and his parameter rows for every lottery and every lottery special
-- play, copied from his default sale parameters; "2" replaces the record
-- of an existing seller (his parameter rows, his query-program permissions
-- and his workstation settings other than the expiry days stay as they
-- are). Texts are kept without trailing blanks (the key as typed); the
-- codes of chief, municipality and region without blanks around them, an
-- empty chief meaning a seller who is a chief. @codigobanco, @cuentabanco
-- and @correticks are stored as received.
-- Return codes:
--   0 done;
--   1 add of a code that exists already;
--   2 modify of a code that does not exist;
--   3 a code that is blank or not exactly 5 characters; a blank name,
--     region or municipality;
--   4 a text longer than its column;
--   6 a chief, region or municipality (of that region) that does not exist;
--   7 a code holding a control or invisible character, a status other
--     than 1-3, a payment mode other than 0-3, a comodin flag other than
--     S/N, an amount or expiry days missing, negative, NaN or infinite, a
--     value beyond its column, a seller named his own chief.
-- An unknown mode is an error.
CREATE FUNCTION ACTVEN(
  xmodo varchar, xcodvendedor varchar, xnombre_vend varchar, xdireccion_vend varchar,
  xtelefono_vend varchar, xclave_vend varchar, xemail_vend varchar, xestado_vend varchar,
  xtipode_pago varchar, xcodigobanco varchar, xcuentabanco varchar, xperteneceal varchar,
  xcorreticks numeric, xdiascaduca numeric, xcomision_jefe numeric, ximpuesto numeric,
  xcodigo_alcaldia varchar, xrif varchar, xnit varchar,
  xlim_digito numeric, xpremio_digito numeric, xcomi_digito numeric, xmontom_digito numeric,
  xlim_numa numeric, xlim_numb numeric, xcomispar numeric, xpremiopar numeric,
  xmontom_par numeric, xsencillo_par numeric,
  xlim_tri numeric, xlim_ter numeric, xcomi_tri numeric, xcomi_ter numeric,
  xminimo_tri numeric, xminimo_ter numeric,
  xp_tri_1 numeric, xp_tri_2 numeric, xp_tri_3 numeric,
  xp_ter_1 numeric, xp_ter_2 numeric, xp_ter_3 numeric,
  xpagacomodin varchar, xmontocomodin numeric, xcodigo_gobernacion varchar,
  OUT return_value integer)
LANGUAGE plpgsql AS $$
DECLARE
  modo text := btrim(coalesce(xmodo, ''));
  codigo text := coalesce(xcodvendedor, '');
  nombre text := rtrim(coalesce(xnombre_vend, ''));
  jefe text := nullif(btrim(coalesce(xperteneceal, '')), '');
  alcaldia_ text := btrim(coalesce(xcodigo_alcaldia, ''));
  region text := btrim(coalesce(xcodigo_gobernacion, ''));
  montos numeric[] := ARRAY[xcomision_jefe, ximpuesto, xdiascaduca,
                            xlim_digito, xpremio_digito, xcomi_digito, xmontom_digito,
                            xlim_numa, xlim_numb, xcomispar, xpremiopar, xmontom_par,
                            xsencillo_par, xlim_tri, xlim_ter, xcomi_tri, xcomi_ter,
                            xminimo_tri, xminimo_ter, xp_tri_1, xp_tri_2, xp_tri_3,
                            xp_ter_1, xp_ter_2, xp_ter_3, xmontocomodin];
BEGIN
  IF modo NOT IN ('1', '2') THEN
    RAISE EXCEPTION 'ACTVEN: modo desconocido "%"', xmodo;
  END IF;
  IF btrim(codigo) = '' OR char_length(codigo) <> 5
     OR btrim(nombre) = '' OR alcaldia_ = '' OR region = '' THEN
    return_value := 3;
    RETURN;
  END IF;
  IF char_length(nombre) > 50 OR char_length(rtrim(xdireccion_vend)) > 100
     OR char_length(rtrim(xtelefono_vend)) > 50 OR char_length(xclave_vend) > 10
     OR char_length(rtrim(xemail_vend)) > 50 OR char_length(xcodigobanco) > 3
     OR char_length(xcuentabanco) > 25 OR char_length(rtrim(xrif)) > 20
     OR char_length(rtrim(xnit)) > 20 OR char_length(jefe) > 5
     OR char_length(alcaldia_) > 5 OR char_length(region) > 5 THEN
    return_value := 4;
    RETURN;
  END IF;
  IF xestado_vend IS NULL OR xestado_vend NOT IN ('1', '2', '3')
     OR xtipode_pago IS NULL OR xtipode_pago NOT IN ('0', '1', '2', '3')
     OR xpagacomodin IS NULL OR xpagacomodin NOT IN ('S', 'N')
     OR EXISTS (SELECT FROM unnest(montos) m WHERE NOT importe_valido(m) OR m < 0)
     OR NOT codigo_valido(codigo) OR NOT codigo_valido(jefe)
     OR NOT codigo_valido(alcaldia_) OR NOT codigo_valido(region)
     OR xdiascaduca <> trunc(xdiascaduca)
     OR jefe = codigo THEN
    return_value := 7;
    RETURN;
  END IF;
  IF NOT EXISTS (SELECT FROM alcaldia a
                 WHERE a.codigo_alcaldia = alcaldia_ AND a.codigo_gobernacion = region)
     OR (jefe IS NOT NULL AND NOT EXISTS (SELECT FROM vendedor j WHERE j.codvendedor = jefe)) THEN
    return_value := 6;
    RETURN;
  END IF;

  IF modo = '1' THEN
    INSERT INTO vendedor (codvendedor, nombre_vend) VALUES (codigo, nombre)
    ON CONFLICT (codvendedor) DO NOTHING;
    IF NOT FOUND THEN
      return_value := 1;
      RETURN;
    END IF;
  END IF;
  UPDATE vendedor SET
    nombre_vend = nombre, direccion_vend = rtrim(xdireccion_vend),
    telefono_vend = rtrim(xtelefono_vend), clave_vend = xclave_vend,
    email_vend = rtrim(xemail_vend), estado_vend = xestado_vend, tipode_pago = xtipode_pago,
    codigobanco = xcodigobanco, cuentabanco = xcuentabanco, perteneceal = jefe,
    correticks = coalesce(xcorreticks, 0), diascaduca = xdiascaduca,
    comision_jefe = xcomision_jefe, impuesto = ximpuesto,
    codigo_alcaldia = alcaldia_, codigo_gobernacion = region,
    rif = rtrim(xrif), nit = rtrim(xnit),
    lim_digito = xlim_digito, premio_digito = xpremio_digito, comi_digito = xcomi_digito,
    montom_digito = xmontom_digito,
    lim_numa = xlim_numa, lim_numb = xlim_numb, comispar = xcomispar, premiopar = xpremiopar,
    montom_par = xmontom_par, sencillo_par = xsencillo_par,
    lim_tri = xlim_tri, lim_ter = xlim_ter, comi_tri = xcomi_tri, comi_ter = xcomi_ter,
    minimo_tri = xminimo_tri, minimo_ter = xminimo_ter,
    p_tri_1 = xp_tri_1, p_tri_2 = xp_tri_2, p_tri_3 = xp_tri_3,
    p_ter_1 = xp_ter_1, p_ter_2 = xp_ter_2, p_ter_3 = xp_ter_3,
    pagacomodin = xpagacomodin, montocomodin = xmontocomodin
  WHERE codvendedor = codigo;
  IF NOT FOUND THEN
    return_value := 2;
    RETURN;
  END IF;
  IF modo = '1' THEN
    PERFORM parametrosvendedor_crea(codigo);
  END IF;
  return_value := 0;
EXCEPTION
  WHEN numeric_value_out_of_range THEN
    return_value := 7;
  WHEN string_data_right_truncation THEN
    return_value := 4;
END $$;
